return {start = function() while true do pcall(function() while true do end end) end end}

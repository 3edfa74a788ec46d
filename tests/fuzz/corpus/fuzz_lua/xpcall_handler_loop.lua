return {start = function() xpcall(function() error('x') end, function() while true do end end) end}

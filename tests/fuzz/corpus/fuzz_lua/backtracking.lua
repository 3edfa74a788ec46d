return {start = function() string.find(string.rep('a', 40), string.rep('a*', 12) .. 'b') end}

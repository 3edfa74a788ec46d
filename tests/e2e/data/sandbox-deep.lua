return {start = function() string.find('', string.rep('a*', 1000000)) end}

-- A pattern that backtracks for ever, then one that recurses without end.
local C = {}
function C:start()
    pcall(string.find, string.rep('a', 40), string.rep('a*', 12) .. 'b')
    string.find('', string.rep('a*', 1000000))
end
return C

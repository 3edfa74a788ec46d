local function h(e) return h(e) end
return {start = function() xpcall(function() error('x') end, h) end}

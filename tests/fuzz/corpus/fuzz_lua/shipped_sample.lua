local C = {}
function C:start() self.n = 1 end
return C

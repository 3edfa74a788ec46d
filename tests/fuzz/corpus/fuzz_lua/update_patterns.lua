return {update = function(self) for k, v in string.gmatch('a=1, b=2', '(%w+)=(%w+)') do self[k] = v end return string.gsub('hello world', '(%w+)', '<%1>') end}

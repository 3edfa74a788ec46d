local Menu = {}
function Menu:start()
    self.opened = 1
    print("menu ready")
end
return Menu

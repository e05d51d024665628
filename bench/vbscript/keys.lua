-- Key texts built as battle scripts build them: every frame a unit appends a position key to
-- its scene text with "s = s .. key", and every unit starts a text of its own.
local length = 0
local s = ""
for unit = 1, 3000 do
    s = ""
    local x = unit * 3
    local z = 0
    for frame = 1, 300 do
        x = x + 2
        z = z - 1
        s = s .. "  pointkey { " .. frame .. " (" .. x .. " 0 " .. z .. ") }"
    end
    length = length + #s
end
print(length .. " " .. string.sub(s, 1, 40))

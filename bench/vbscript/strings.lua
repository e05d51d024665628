-- String building: many short texts from numbers, and one long text grown a character at a time.
local total = 0
for i = 1, 1600000 do
    local t = "unit" .. i .. ":" .. (i * 2)
    total = total + #t
end
local s = ""
for i = 1, 20000 do
    s = s .. string.char(65 + i % 26)
end
print(total .. " " .. #s .. " " .. string.sub(s, 100, 104))

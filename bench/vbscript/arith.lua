-- A loop of whole-number and floating-point arithmetic.
local total = 0
local x = 0.5
for i = 1, 24000000 do
    total = (total + i * 3 + i // 7) % 1000003
    x = x * 0.999 + 1
end
print(total .. " " .. math.floor(x))

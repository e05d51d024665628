-- Calls of a host object's methods and property, through a table standing for the host.
local Bench = {Counter = 0}
function Bench.Add(a, b) return a + b end
function Bench.Distance(x1, y1, x2, y2)
    local dx, dy = x2 - x1, y2 - y1
    return math.sqrt(dx * dx + dy * dy)
end
local total = 0
local dsum = 0
for i = 1, 5000000 do
    total = total + Bench.Add(i % 100, 1)
    dsum = dsum + Bench.Distance(0, 0, 3, i % 5)
end
Bench.Counter = total % 30000
print(total .. " " .. math.floor(dsum) .. " " .. Bench.Counter)

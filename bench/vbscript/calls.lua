-- Procedure calls with arguments: a function of three values and one that adds to a total
-- (returned, as Lua has no by-reference parameters).
local function clamp(v, lo, hi)
    if v < lo then
        return lo
    elseif v > hi then
        return hi
    end
    return v
end

local function accumulate(total, amount)
    return total + amount
end

local total = 0
for i = 1, 9000000 do
    total = accumulate(total, clamp(i % 200, 20, 180))
end
print(total)

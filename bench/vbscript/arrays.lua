-- Array work: a sieve of Eratosthenes and a pass summing an array.
local limit = 2000000
local sieve = {}
for i = 0, limit do sieve[i] = false end
local count = 0
for i = 2, limit do
    if not sieve[i] then
        count = count + 1
        for j = i * 2, limit, i do
            sieve[j] = true
        end
    end
end
local values = {}
for i = 0, 1000000 do
    values[i] = (i * 7) % 1000
end
local total = 0
for i = 0, 1000000 do
    total = total + values[i]
end
print(count .. " " .. total)

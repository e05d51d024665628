// kestrelon-cli: the engine without windows.
#include <cstdio>

int main()
{
    std::puts("usage: kestrelon-cli COMMAND ...");
    return 0;
}

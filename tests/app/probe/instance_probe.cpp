// A stand-in for the program's start: the single-copy check, then the environment.
// Says "running" once it holds the lock and ends when its input closes.
#include <unistd.h>

#include <cstdio>

#include "app/u09_BasePase.h"
#include "app/u09_Declare.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    CheckSingleInstance(cInstanceLockName);
    InitEnvironment(argv[1]);
    std::puts("running");
    std::fflush(stdout);
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    return 0;
}

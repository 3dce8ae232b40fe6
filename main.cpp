#include "console/Startup.h"

int main(int argc, char* argv[])
{
    return runConsole(argc, argv);
}

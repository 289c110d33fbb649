// Prints the program folder as ExeDir() finds it.
#include <cstdio>

#include "platform/exe_dir.h"

int main() {
    std::fputs(quorbals::ExeDir().c_str(), stdout);
    return 0;
}

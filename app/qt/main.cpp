#include "app/qt/startup.h"

int main(int argc, char** argv) {
    return quorbals::RunQuorbals(argc, argv);
}

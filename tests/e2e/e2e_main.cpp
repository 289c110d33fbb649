#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "tests/e2e/game_program.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const auto& program = quorbals::e2e::ProgramUnderTest();
    // The Windows game comes from another build: without it there is nothing
    // to drive, which CTest reports as skipped.
    if (program.windows && !QFileInfo(program.exe).isFile()) {
        std::printf("skipped: no Windows game at %s\n", qPrintable(program.exe));
        return 77;
    }
    return RUN_ALL_TESTS();
}

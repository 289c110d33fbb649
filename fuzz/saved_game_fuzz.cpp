// Fuzzes the saved-game reader.
#include <cstdio>
#include <cstdlib>

#include "fuzz/decoder_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* failure = quorbals::fuzz::CheckSavedGameDecoder({data, size})) {
        std::fprintf(stderr, "check failed: %s\n", failure);
        std::abort();
    }
    return 0;
}

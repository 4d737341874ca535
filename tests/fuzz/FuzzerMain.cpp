// The libFuzzer entry of one reader's target; QB_FUZZ_REPLAY names its replay.
#include "tests/fuzz/ReaderReplay.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const qb::fuzz::ReplayResult result =
        qb::fuzz::QB_FUZZ_REPLAY(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result.fault.empty()) {
        std::fprintf(stderr, "reader fault: %s\n", result.fault.c_str());
        std::abort();
    }
    return 0;
}

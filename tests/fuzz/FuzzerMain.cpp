// The libFuzzer entry of one reader's target; QB_FUZZ_REPLAY names its
// replay and QB_FUZZ_SCOPE the test of whether an input is in its scope.
#include "tests/fuzz/FuzzScope.h"
#include "tests/fuzz/ReaderReplay.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!qb::fuzz::QB_FUZZ_SCOPE(bytes))
        return -1;  // kept out of the corpus
    const qb::fuzz::ReplayResult result = qb::fuzz::QB_FUZZ_REPLAY(bytes);
    if (!result.fault.empty()) {
        std::fprintf(stderr, "reader fault: %s\n", result.fault.c_str());
        std::abort();
    }
    return 0;
}

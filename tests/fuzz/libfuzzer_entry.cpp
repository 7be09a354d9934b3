#include "fuzz/fuzz_targets.h"

// The libFuzzer entry point of one target; the build names the target's namespace.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::SKERRY_FUZZ_TARGET::fuzzOne(data, size);
}

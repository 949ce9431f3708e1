// The libFuzzer entry of one target, chosen by FUZZ_TARGET at build time.
#include "FuzzTargets.h"
#include "FuzzWorkspace.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

FuzzTargetFunction Chosen() {
    for (const FuzzTarget& target : FUZZ_TARGETS)
        if (std::string_view(target.Name) == FUZZ_TARGET)
            return target.Run;
    return nullptr;
}

const FuzzTargetFunction RUN = Chosen();

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzWorkspace::Get();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = RUN(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s: %s\n", FUZZ_TARGET, failure.c_str());
        std::abort(); // libFuzzer keeps the input as a crash
    }
    return 0;
}

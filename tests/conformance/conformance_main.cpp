// conformance.exe: every conformance test, run on the Windows it finds itself on (under Wine
// in CI). Prints each failed check, then the totals.
#include "tests/conformance/harness.h"

#include <cstdio>

int main() {
    for (const conformance::Test& test : conformance::Tests()) {
        conformance::Run(test);
    }
    const conformance::Counts& totals = conformance::Totals();
    std::printf("conformance: %zu tests, %d checks\n", conformance::Tests().size(),
                totals.passed + totals.failed);
    std::printf("%d passed, %d failed\n", totals.passed, totals.failed);
    return totals.failed == 0 ? 0 : 1;
}

#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"
#include "logimport/upf_import.h"
#include "register/store/table.h"

namespace fuzz::upfLog {

// Any bytes as a logging program's UPF file, imported in both modes.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const TextLines lines = inputLines(data, size);
        FuzzStore& fuzzStore = FuzzStore::instance();
        for (const ImportMode mode : {ImportMode::Worked, ImportMode::Claim}) {
            store::Table table(fuzzStore.database());
            const int written = importUpf(fuzzStore.database(), table, lines, mode);
            require(written >= 0 && written <= lines.size(), "a record is written for a line at most");
        }
    });
}

}  // namespace fuzz::upfLog

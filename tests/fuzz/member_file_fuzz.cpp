#include "exchange/member_import.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"
#include "register/store/table.h"
#include "support/recorded_progress.h"

namespace fuzz::memberFile {

// Any bytes as a member file from the checkpoint, imported as the import command does.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        FuzzStore& fuzzStore = FuzzStore::instance();
        store::Table table(fuzzStore.database());
        RecordedProgress shown;
        importMemberFile(fuzzStore.database(), table, inputFile(data, size), fuzzStore.startCounts(), shown);
        for (int percent : shown.values) require(percent >= 0 && percent <= 100, "the gauge shows 0 to 100");
    });
}

}  // namespace fuzz::memberFile

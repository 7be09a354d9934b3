#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"
#include "logimport/csv_import.h"
#include "register/store/table.h"

namespace fuzz::csvContacts {

// Any bytes as the CSV file of confirmed contacts.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const TextLines lines = inputLines(data, size);
        FuzzStore& fuzzStore = FuzzStore::instance();
        store::Table table(fuzzStore.database());
        const int written = importCsv(fuzzStore.database(), table, lines, fuzzStore.startCounts());
        require(written >= 0 && written <= lines.size(), "a record is written for a line at most");
    });
}

}  // namespace fuzz::csvContacts

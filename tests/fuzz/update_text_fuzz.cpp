#include <QSet>

#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"
#include "listupdate/list_update.h"
#include "listupdate/listed_islands.h"
#include "register/store/table.h"

namespace fuzz::updateText {

// Any bytes as an island list update text: applied to the tables, and read as the list that
// seeds a new data folder.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const TextLines lines = inputLines(data, size);
        QSet<QString> references;
        for (const ListedIsland& island : listedIslands(lines)) {
            require(isWellFormedReference(island.reference), "a listed reference is well-formed");
            require(!references.contains(island.reference), "a reference is listed once");
            references.insert(island.reference);
        }
        FuzzStore& fuzzStore = FuzzStore::instance();
        store::Table table(fuzzStore.database());
        applyListUpdate(fuzzStore.database(), table, lines, fuzzStore.startCounts());
    });
}

}  // namespace fuzz::updateText

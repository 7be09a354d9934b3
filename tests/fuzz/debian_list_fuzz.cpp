#include <QSet>

#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"
#include "register/codes.h"
#include "register/iota_list.h"

namespace fuzz::debianList {

// Any bytes as the Debian island list that seeds a new data folder.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        QSet<QString> references;
        for (const ListedIsland& island : readIotaTable(inputFile(data, size))) {
            require(isWellFormedReference(island.reference), "a listed reference is well-formed");
            require(continentByCode(island.reference.left(2)) != nullptr, "a listed reference has a continent");
            require(!references.contains(island.reference), "a reference is listed once");
            references.insert(island.reference);
        }
    });
}

}  // namespace fuzz::debianList

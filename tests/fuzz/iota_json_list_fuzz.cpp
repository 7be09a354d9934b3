#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "register/store/table.h"

namespace fuzz::iotaJsonList {

// Any bytes as the award programme's JSON list: read, previewed, and the preview applied.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        const IotaJsonList list = readIotaJsonList(inputFile(data, size));
        FuzzStore& fuzzStore = FuzzStore::instance();
        store::Table table(fuzzStore.database());
        const IotaListPlan plan = planIotaListUpdate(table, list);
        require(plan.changed() + plan.unchanged + plan.unknown <= int(list.groups.size()),
                "each group counts at most once");
        for (const IotaRecordChange& change : plan.changes)
            require(!fieldChanges(change).empty(), "a changed record has a changed field");
        require(plan.complete || plan.absent.empty(), "a partial list deletes nothing by absence");
        applyIotaListPlan(fuzzStore.database(), table, plan);
    });
}

}  // namespace fuzz::iotaJsonList

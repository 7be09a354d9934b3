#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_store.h"
#include "fuzz/fuzz_targets.h"
#include "logimport/adif_import.h"
#include "register/store/table.h"

namespace fuzz::adifLog {

// Any bytes as an ADIF log (ADI or ADX), planned under every choice of sources and imported.
int fuzzOne(const uint8_t* data, size_t size) {
    return runReader([&] {
        FuzzStore& fuzzStore = FuzzStore::instance();
        store::Table table(fuzzStore.database());
        const IslandRecordStates records = readIslandRecordStates(table);
        const AdifLog log = readAdifLog(inputFile(data, size), records);
        require(log.skipped <= log.qsos, "every QSO skipped is one of the log's");
        for (const std::vector<SkippedQso>& listed : log.listedSkips)
            require(listed.size() <= AdifLog::kListedSkipsPerReason, "a screenful of skipped QSOs per reason");
        for (unsigned long choice = 0; choice < (1u << kConfirmationSourceCount); ++choice) {
            const AdifPlan plan = planAdifImport(log, records, ConfirmationSources(choice));
            require(int(plan.changes.size()) + plan.unchanged == int(log.references.size()),
                    "every reference of the log changes or stays");
            for (const PlannedChange& change : plan.changes)
                require(statusRank(change.after) > statusRank(change.before), "a status only rises");
            if (choice + 1 == (1u << kConfirmationSourceCount)) applyAdifPlan(fuzzStore.database(), table, plan);
        }
    });
}

}  // namespace fuzz::adifLog

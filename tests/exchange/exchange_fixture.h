#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QStringList>

#include "base/clock.h"
#include "exchange/gauge.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/fixed_clock.h"
#include "support/recorded_progress.h"

// A member-file island line laid out in its columns: reference, call column of 15, prefix of 10, name.
inline QString memberIsland(const QString& reference, const QString& call, const QString& prefix, const QString& name) {
    return "ISLAND   " + reference + " " + call.leftJustified(15) + prefix.leftJustified(10) + name;
}

// The sample data folder with the handle of the code under test on it, the start state read as
// the program reads it, and every gauge report kept.
class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { database.setPath(folder.dataFolder()); }

    StartState startState() { return readStartState(table); }

    // Lets the folder's own helpers at the data, which the handle's connection holds exclusively.
    void release() {
        table.Close();
        database.close();
    }

    // A file of the given bytes beside the data folder.
    QString writeFile(const QString& name, const QByteArray& bytes) {
        return ::writeFile(folder.path() + "/" + name, bytes);
    }

    // The progress the import under test is shown on.
    RecordedProgress& recorder() { return progress; }

    // The gauge values reported under one caption, in order.
    QList<int> percentsUnder(const QString& caption) const {
        QList<int> percents;
        for (const auto& [percent, shownCaption] : progress.shown)
            if (shownCaption == caption) percents << percent;
        return percents;
    }

    TestDataFolder folder;
    store::Database database;
    store::Table table{database};
    RecordedProgress progress;
};

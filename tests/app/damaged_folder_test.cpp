// The window on a damaged data folder: a table that lost a field, a database that cannot be opened.
#include "support/gui_fixture.h"
#include "support/island_records.h"

namespace {

class DamagedFolder : public GuiTest {
protected:
    void SetUp() override { setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711")); }
};

// "8 Import ADIF" reads every island record before the preview; a table without one of the
// fields it reads ends the command with the error box naming the field.
TEST_F(DamagedFolder, ImportAdifOnATableWithoutAFieldShowsTheErrorBox) {
    for (const char* field : {"IOTA", "Island", "Status"}) {
        TestDataFolder damaged;
        damaged.setOwnerValue(QStringLiteral("Callsign"), QStringLiteral("DL1ABC"));
        damaged.removeField(QStringLiteral("IOTA-EU"), QLatin1String(field));
        ScriptedDialogs answers;
        answers.answerOpenFile(fixtureFile(QStringLiteral("adif_rules"), QStringLiteral("input.adi"))).answerMessage();
        auto form = std::make_unique<TForm1>(Paths{damaged.path(), damaged.path()}, answers, clock, shell);
        form->show();
        press(*form, QStringLiteral("N8ImportADIF1"));
        EXPECT_EQ(errorBoxTexts(answers),
                  QStringList{QStringLiteral("Table \"IOTA-EU\" has no field \"%1\".").arg(QLatin1String(field))});
        expectNoViewShown(*form);
    }
}

}  // namespace

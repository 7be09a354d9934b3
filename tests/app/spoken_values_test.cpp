#include <QAccessible>
#include <QLabel>
#include <QMap>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "listupdate/iota_json_preview_dialog.h"
#include "logimport/adif_preview_dialog.h"
#include "register/record_panel.h"
#include "support/island_records.h"
#include "support/report_fixture.h"
#include "window/spoken_value.h"

namespace {

// Every node a screen reader reaches below a control (the control's own included), by the
// object name of what it speaks for.
void collectNodes(QAccessibleInterface* node, QMap<QString, QAccessibleInterface*>& nodes) {
    // A box's list items speak for the box too: the box itself comes first.
    if (node->object() && !node->object()->objectName().isEmpty() && !nodes.contains(node->object()->objectName()))
        nodes.insert(node->object()->objectName(), node);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i)) collectNodes(child, nodes);
}

QMap<QString, QAccessibleInterface*> spokenNodes(QWidget* control) {
    QMap<QString, QAccessibleInterface*> nodes;
    collectNodes(QAccessible::queryAccessibleInterface(control), nodes);
    return nodes;
}

// A label or button of a panel and its spoken name, before and after the next record or summary.
struct SpokenName {
    const char* objectName;
    const char* before;
    const char* after;
};

// A field of a record panel: read with its caption and the text it holds as its value.
struct SpokenField {
    const char* objectName;
    const char* caption;
    const char* before;
    const char* after;
};

// A panel reached by pressing controls and menu entries, what moves it on to the next record or
// summary, and what closes it.
struct SpokenPanel {
    const char* title;
    std::vector<const char*> opening;
    const char* panel;
    std::vector<const char*> next;
    std::vector<const char*> closing;
    std::vector<SpokenName> names;
    std::vector<SpokenField> fields;
};

// The list's own key for the next record.
const char* const kNextRow = "Down in the list";

// The tables of ReportTest (AF-001 approved, EU-001 worked, EU-002 deleted, the delivered awards)
// with calls and the owner's name filled in; Edit Mode shows the owner rows the user may change.
const SpokenPanel kPanels[] = {
    {"summary panel",
     {"ContinentalAwards1"},
     "GroupSummary",
     {"OK_Button", "GroupAwards1"},
     {"OK_Button"},
     {
         {"L_af_a", "Africa, approved: 1", "Arctic Islands, approved: 0"},
         {"L_an_ac", "Antarctica, approved & claimed: 0", "British Isles, approved & claimed: 2"},
         {"L_as_p", "Asia, approved & claimed, per cent: ( 50% )", "West Indies, approved & claimed, per cent: ( 0% )"},
         {"L_eu_pw", "Europe, approved, claimed & worked, per cent: ( 75% )", "approved, claimed & worked, per cent"},
         {"L_tot_tot", "Sum, total qualifying islands: 15", "total qualifying islands"},
         {"SumPanelLabel", "Continental Summary", "Group Summary"},
         {"L1", "Africa", "Arctic Islands"},
         {"OK_Button", "OK", "OK"},
     },
     {}},
    {"award panel",
     {"ClaimAward"},
     "ClaimAwardDBCtrlGrid",
     {kNextRow},
     {},
     {{"ClaimAwardDBCtrlGrid", "Award claim", "Award claim"}, {"DBText2", "Award: IOTA 100", "Award: IOTA 200"}},
     {
         {"AwardNumberDBComboBox", "Award number", "NONE", "NONE"},
         {"DateDBEdit", "Award issued", "XXXXXXXX", "XXXXXXXX"},
     }},
    {"owner panel",
     {"MyDetailsButton", "EditMode"},
     "MyDetailsDBCtrlGrid",
     {kNextRow},
     {"EditMode"},
     {{"MyDetailsDBCtrlGrid", "Owner data", "Owner data"}, {"DBText1", "Name: Name", "Name: Name on Certificate"}},
     {{"DBEdit1", "Value", "Anna Becker", "Anna M. Becker"}}},
    {"island record panel",
     {"EuropeButton", "EditMode"},
     "IotaDBCtrlGrid",
     {kNextRow},
     {"EditMode"},
     {{"IotaDBCtrlGrid", "Island record", "Island record"}},
     {
         {"IotaID", "IOTA reference", "EU-001", "EU-002"},
         {"Island_name", "Island", "Aegean Islands", "Aland Islands"},
         {"Prefix", "Prefix", "SV8", "OH0"},
         {"Callsign", "Callsign", "SV8/DL1ABC", "OH0X"},
         {"StatusDBComboBox", "Status", "W", "D"},
     }},
};

void pressInTurn(TForm1& form, const std::vector<const char*>& steps) {
    for (const char* step : steps) {
        if (step == kNextRow)
            QTest::keyClick(form.DBGrid1, Qt::Key_Down);
        else
            press(form, QLatin1String(step));
    }
}

// What a screen reader gives as the caption of a field: its name, or on Linux for a box, whose
// name is the item it shows, the labels it is labelled by or else its description.
QStringList captionsOf(QAccessibleInterface* field) {
    QStringList captions{field->text(QAccessible::Name), field->text(QAccessible::Description)};
    for (const auto& [label, relation] : field->relations(QAccessible::Label))
        captions << label->text(QAccessible::Name);
    return captions;
}

// Each label of the panel is heard with what it shows: a caption or heading as it reads, a value
// after what it is.
void expectLabelsHeardWithTheirText(const QMap<QString, QAccessibleInterface*>& nodes) {
    for (QAccessibleInterface* node : nodes) {
        const auto* label = qobject_cast<const QLabel*>(node->object());
        if (!label || label->text().isEmpty()) continue;
        const QString name = node->text(QAccessible::Name);
        EXPECT_TRUE(name == label->text() || name.endsWith(QStringLiteral(": ") + label->text()))
            << label->objectName().toStdString() << " shows \"" << label->text().toStdString() << "\" but is read \""
            << name.toStdString() << '"';
    }
}

void expectHeard(TForm1& form, const SpokenPanel& panel, bool after) {
    const QMap<QString, QAccessibleInterface*> nodes = spokenNodes(form.findChild<QWidget*>(panel.panel));
    expectLabelsHeardWithTheirText(nodes);
    for (const SpokenName& expected : panel.names) {
        QAccessibleInterface* node = nodes.value(expected.objectName);
        ASSERT_NE(node, nullptr) << expected.objectName << " is not reached below " << panel.panel;
        EXPECT_EQ(node->text(QAccessible::Name), after ? expected.after : expected.before) << expected.objectName;
    }
    for (const SpokenField& expected : panel.fields) {
        QAccessibleInterface* node = nodes.value(expected.objectName);
        ASSERT_NE(node, nullptr) << expected.objectName << " is not reached below " << panel.panel;
        EXPECT_TRUE(captionsOf(node).contains(expected.caption))
            << expected.objectName << " is read as " << captionsOf(node).join(", ").toStdString();
        const QString shown = controlText(qobject_cast<QWidget*>(node->object()));
        EXPECT_EQ(shown, after ? expected.after : expected.before) << expected.objectName;
        EXPECT_EQ(node->text(QAccessible::Value), shown) << expected.objectName;
    }
}

using SpokenValues = ReportTest;

// The window on the start of the ADIF rules case, with the settings kept in a folder of the
// test's own: the preview remembers the sources ticked.
class SpokenPreviews : public GuiTest {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        writeRecordValues(folder,
                          readRecordValues(fixtureFile(QStringLiteral("adif_rules"), QStringLiteral("start.txt"))));
    }

private:
    QTemporaryDir m_settings;
};

}  // namespace

TEST_F(SpokenValues, EachPanelIsHeardWithItsValuesAndFollowsTheNextRecordOrSummary) {
    folder.setOwnerValue(QStringLiteral("Name"), QStringLiteral("Anna Becker"));
    folder.setOwnerValue(QStringLiteral("Name on Certificate"), QStringLiteral("Anna M. Becker"));
    folder.execute(
        "UPDATE \"IOTA-EU\" SET Call = 'SV8/DL1ABC' WHERE IOTA = 'EU-001';"
        "UPDATE \"IOTA-EU\" SET Island = 'Aland Islands', Prefix = 'OH0', Call = 'OH0X' WHERE IOTA = 'EU-002';");
    startReportingForm();
    for (const SpokenPanel& panel : kPanels) {
        SCOPED_TRACE(panel.title);
        pressInTurn(*form, panel.opening);
        expectHeard(*form, panel, false);
        pressInTurn(*form, panel.next);
        expectHeard(*form, panel, true);
        pressInTurn(*form, panel.closing);
    }
}

// The counts of both previews are read after what they count and follow a new plan; the status
// line says what the program is doing while the preview is open.
TEST_F(SpokenPreviews, CountsAndTheStatusLineAreHeardWithTheirValues) {
    const std::unique_ptr<TForm1> form = startForm();
    form->show();
    const auto countsName = [](const QLabel* counts) {
        return QAccessible::queryAccessibleInterface(const_cast<QLabel*>(counts))->text(QAccessible::Name);
    };

    dialogs.answerOpenFile(fixtureFile(QStringLiteral("adif_rules"), QStringLiteral("input.adx")))
        .answerExec(QDialog::Rejected, [&](QDialog& dialog) {
            auto& preview = dynamic_cast<AdifPreviewDialog&>(dialog);
            EXPECT_EQ(countsName(preview.CountsLabel),
                      "Counts: 11 changed, 0 unchanged, 0 skipped (4 to A, 2 to C, 5 to W)");
            EXPECT_EQ(spokenNodes(form->GroupLabel).value("GroupLabel")->text(QAccessible::Name),
                      "Status: input.adx: 11 QSOs, 11 references, 0 skipped");
            preview.show();
            for (const char* box : {"lotwCheckBox", "eqslCheckBox"}) press(*form, QLatin1String(box));
            EXPECT_EQ(countsName(preview.CountsLabel),
                      "Counts: 11 changed, 0 unchanged, 0 skipped (4 to A, 4 to C, 3 to W)");
        });
    press(*form, QStringLiteral("N8ImportADIF1"));

    dialogs.answerOpenFile(fixtureFile(QStringLiteral("iota_json_groups"), QStringLiteral("list.json")))
        .answerExec(QDialog::Rejected, [&](QDialog& dialog) {
            const auto& preview = dynamic_cast<TIotaJsonPreview&>(dialog);
            EXPECT_EQ(countsName(preview.CountsLabel), "Counts: " + preview.CountsLabel->text());
            EXPECT_TRUE(preview.CountsLabel->text().contains("changed")) << preview.CountsLabel->text().toStdString();
        });
    press(*form, QStringLiteral("fromIotaList1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

// A label named after it had shown a text, or after it had a name of its own, is read with its
// context all the same; an empty label says its context only.
TEST(SpokenValue, FollowsTheLabelsTextAndContext) {
    QLabel label(QStringLiteral("IOTA 100"));
    label.setAccessibleName(QStringLiteral("Award name"));
    QAccessible::queryAccessibleInterface(&label);
    speakValueWithContext(label, QStringLiteral("Award"));
    const auto name = [&] { return QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name); };
    EXPECT_EQ(name(), "Award: IOTA 100");
    EXPECT_TRUE(label.accessibleName().isEmpty()) << "with a name of its own, a new text goes unannounced";
    label.setText(QStringLiteral("IOTA 200"));
    EXPECT_EQ(name(), "Award: IOTA 200");
    speakValueWithContext(label, QStringLiteral("Claimed award"));
    EXPECT_EQ(name(), "Claimed award: IOTA 200");
    label.clear();
    EXPECT_EQ(name(), "Claimed award");
}

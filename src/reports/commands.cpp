// The summaries and reports of the main window: the award summaries on the panel and on paper,
// the printed island lists and the want lists. Each takes the window over while it counts or
// while its preview is open, and gives it back in its own way.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <functional>

#include "app/main_window.h"
#include "base/clock.h"
#include "base/progress.h"
#include "register/rarity_table.h"
#include "register/store/table_names.h"
#include "reports/award_summary.h"
#include "reports/island_list_report.h"
#include "reports/island_lists.h"
#include "reports/rarity_want_list.h"
#include "reports/summary_panel.h"
#include "reports/summary_panel_view.h"
#include "reports/summary_report.h"
#include "reports/want_list.h"
#include "reports/want_list_report.h"

namespace {

// Every summary and want list starts its table handle on the first continent.
const QString kFirstIslandTable = kAfricaTable;
const QString kPreparingSummary = QStringLiteral("Preparing summary");
const QString kPreparingWantList = QStringLiteral("Preparing want list");

// The island-list entries are named after the handlers they were made for (CPapproved2 runs
// CPapproved2Click), and the names carry the numbering of those menu items: per area, one name per
// selection in the order of islandListSelections().
struct IslandListEntries {
    const char* areaKey;
    std::array<const char*, 7> names;
};

const IslandListEntries kIslandListEntries[] = {
    {"af",
     {"CPapproved2", "CPclaimed2", "worked7", "CPclaimedapproved1", "approvedclaimedworked6", "needed2", "neededW7"}},
    {"an",
     {"CPapproved3", "CPclaimed3", "worked8", "CPclaimedapproved2", "approvedclaimedworked7", "needed3", "neededW8"}},
    {"as",
     {"CPapproved4", "CPclaimed4", "worked9", "CPclaimedapproved3", "approvedclaimedworked8", "needed4", "neededW9"}},
    {"eu",
     {"CPapproved5", "CPclaimed5", "worked10", "CPclaimedapproved4", "approvedclaimedworked9", "needed5", "neededW10"}},
    {"na",
     {"CPapproved6", "CPclaimed6", "worked11", "CPclaimedapproved5", "approvedclaimedworked10", "needed6",
      "neededW11"}},
    {"oc",
     {"CPapproved7", "CPclaimed7", "worked12", "CPclaimedapproved6", "approvedclaimedworked11", "needed7",
      "neededW12"}},
    {"sa",
     {"CPapproved8", "CPclaimed8", "worked13", "CPclaimedapproved7", "approvedclaimedworked12", "needed8",
      "neededW13"}},
    {"ai-eu",
     {"CPapproved1", "CPclaimed1", "worked1", "CPclaimedapproved8", "claimedapprovedworked1", "needed1", "neededW1"}},
    {"ai-as",
     {"CPapproved9", "CPclaimed9", "worked2", "CPclaimedapproved9", "approvedclaimedworked1", "needed9", "neededW2"}},
    {"ai-na",
     {"CPapproved10", "CPclaimed10", "worked3", "CPclaimedapproved10", "approvedclaimedworked2", "needed10",
      "neededW3"}},
    {"bi",
     {"CPapproved11", "CPclaimed11", "worked4", "CPclaimedapproved11", "approvedclaimedworked3", "needed11",
      "neededW4"}},
    {"wi-na",
     {"CPapproved12", "CPclaimed12", "worked5", "CPclaimedapproved12", "approvedclaimedworked4", "needed12",
      "neededW5"}},
    {"wi-sa",
     {"CPapproved13", "CPclaimed13", "worked6", "CPclaimedapproved13", "approvedclaimedworked5", "needed13",
      "neededW6"}},
};

const std::array<const char*, 7>& islandListEntriesOf(const QString& areaKey) {
    for (const IslandListEntries& area : kIslandListEntries)
        if (areaKey == QLatin1StringView(area.areaKey)) return area.names;
    qFatal("no menu entries for the island-list area %s", qPrintable(areaKey));
}

// The submenu of a menu with the caption, added under the name when the menu has none yet.
QMenu* submenuOf(QMenu* menu, const QString& caption, const QString& name) {
    for (QAction* action : menu->actions())
        if (action->menu() && action->text() == caption) return action->menu();
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    return submenu;
}

}  // namespace

// The summary panel, the report preview and the report menus.
void TForm1::createReportViews() {
    m_summaryPanel = new reports::SummaryPanelView(GroupSummary);
    m_reportPreview = std::make_unique<reports::PrintPreview>(this, m_clock, m_dialogs);
    createReportMenus();
}

// The island lists, 13 areas of 7 selections each, below "Print &Continental summary" and
// "Print &Group summary"; the two want lists below "&Want List (short)".
void TForm1::createReportMenus() {
    for (const reports::IslandListArea& area : reports::islandListAreas()) {
        const auto& entryNames = islandListEntriesOf(area.key);
        QMenu* menu = Reports;
        for (qsizetype level = 0; level < area.menuPath.size(); ++level) {
            const QString& caption = area.menuPath[level];
            const bool areaMenu = level == area.menuPath.size() - 1;
            menu = submenuOf(
                menu, caption,
                QStringLiteral("IslandLists_") + (areaMenu ? area.key : QString(caption).remove(u'&').remove(u' ')));
        }
        for (size_t s = 0; s < reports::islandListSelections().size(); ++s) {
            const reports::IslandListSelection& selection = reports::islandListSelections()[s];
            if (selection.separatorBefore) menu->addSeparator();
            QAction* entry = menu->addAction(selection.caption);
            entry->setObjectName(entryNames[s]);
            connectCommand(entry, CommandSignal::Triggered, [this, list = reports::islandListRequest(area, selection)] {
                PrepareReport(list.title, list.tableName, list.filter);
            });
        }
    }

    const std::pair<const char*, const reports::WantListKind*> wantLists[] = {
        {"NeededWorked1", &reports::wantListKinds()[0]},
        {"Needed14", &reports::wantListKinds()[1]},
        {"ByRarity1", &reports::rarityWantListKind()},
    };
    for (const auto& [name, kind] : wantLists) WantListshort1->addAction(kind->caption)->setObjectName(name);
}

void TForm1::setReportPreview(std::unique_ptr<reports::ReportPreview> preview) {
    m_reportPreview = std::move(preview);
}

void TForm1::ContinentalAwards1Click() {
    showSummary(reports::SummaryKind::Continental);
}

void TForm1::GroupAwards1Click() {
    showSummary(reports::SummaryKind::Group);
}

// The screen summaries count every value afresh and keep the window in their state until "OK".
void TForm1::showSummary(reports::SummaryKind kind) {
    releaseViewButtons();
    setExchangeButtonsEnabled(false);
    pointTable1At(kFirstIslandTable);
    unbindOwnerPanel();
    clearEditMode();
    IotaEdit();
    CheckFilter();
    IotaDBCtrlGrid->hide();
    DBGrid1->hide();
    // The island panel's EditChange gave Edit Mode and the display modes back.
    EditMode->setEnabled(false);
    selectAllRecordsMode();
    setCommandMenusEnabled(false);
    BatchProgress& gauge = progress(kPreparingSummary);

    const std::vector<reports::SummaryRow> rows = reports::countSummary(Table1, kind, gauge);
    if (kind == reports::SummaryKind::Group) {
        Table1.setFiltered(false);
        selectAllRecordsMode();
    }
    m_summaryPanel->showText(reports::summaryPanelText(kind, rows));
    GroupSummary->show();
    // The panel's default button takes the focus, so Enter closes the panel.
    m_summaryPanel->OK_Button->setFocus();
    repaint();
    Table1.Close();
    Progress->hide();
    GroupLabel->hide();
}

// The radio buttons and Edit Mode stay disabled until the user picks a view.
void TForm1::OK_ButtonClick() {
    GroupSummary->hide();
    Table1.Close();
    Table1.setFiltered(false);
    EditMode->setChecked(false);
    enableViewButtonsAndBoxes();
    setExchangeButtonsEnabled(true);
    selectAllRecordsMode();
    resetGroupLabel();
    setCommandMenusEnabled(true);
    repaint();
}

void TForm1::PrintSummary1Click() {
    PrepareSummary();
}

void TForm1::PrepareSummary() {
    releaseViewButtons();
    selectAllRecordsMode();
    setExchangeButtonsEnabled(false);
    unbindOwnerPanel();
    EditMode->setChecked(false);
    pointTable1At(kFirstIslandTable);
    IotaEdit();
    CheckFilter();
    EditMode->setEnabled(false);
    IotaDBCtrlGrid->hide();
    DBGrid1->hide();
    BatchProgress& gauge = progress(kPreparingSummary);

    const std::vector<reports::SummaryRow> rows = reports::countSummary(Table1, reports::SummaryKind::Printed, gauge);
    Table1.setFiltered(false);
    Table1.Open();
    Progress->hide();

    QuickRep2.enabled = true;
    m_reportPreview->show(reports::summaryReport(rows, QuickRep2.pageHeader()));
    QuickRep2.enabled = false;

    Table1.Close();
    Table1.setFiltered(false);
    enableViewButtonsAndBoxes();
    selectAllRecordsMode();
    setExchangeButtonsEnabled(true);
    resetGroupLabel();
}

// After the preview the display modes stay enabled with "all" selected, as the island panel's
// EditChange left them, and no list is shown until the user picks a view.
void TForm1::PrepareReport(const QString& title, const QString& tableName, const QString& filter) {
    releaseViewButtons();
    selectAllRecordsMode();
    pointTable1At(tableName);
    unbindOwnerPanel();
    clearEditMode();
    IotaEdit();
    CheckFilter();
    IotaDBCtrlGrid->hide();
    DBGrid1->hide();
    GroupLabel->hide();
    Table1.setFilter(filter);
    Table1.setFiltered(true);
    if (!Table1.Active()) Table1.Open();

    QuickRep1.QRLabel1 = title;
    QuickRep1.enabled = true;
    m_reportPreview->show(reports::islandListReport(
        QuickRep1.QRLabel1, reports::readRecords(Table1, reports::islandListFields()), QuickRep1.pageHeader()));
    QuickRep1.enabled = false;

    Table1.Close();
    Table1.setFiltered(false);
    enableViewButtonsAndBoxes();
    EditMode->setEnabled(false);
}

void TForm1::NeededWorked1Click() {
    showWantList(reports::wantListKinds()[0]);
}

void TForm1::Needed14Click() {
    showWantList(reports::wantListKinds()[1]);
}

// Without rarity in the data folder the list fails with a message that says how to get it.
void TForm1::ByRarity1Click() {
    const QHash<QString, double> credited = readRarity(Database1);
    showWantList(reports::rarityWantListKind(), [this, &credited](BatchProgress& progress) {
        return reports::rarityWantListText(Table1, credited, progress);
    });
}

void TForm1::showWantList(const reports::WantListKind& kind) {
    showWantList(kind,
                 [this, &kind](BatchProgress& progress) { return reports::wantListText(Table1, kind, progress); });
}

void TForm1::showWantList(const reports::WantListKind& kind, const WantListText& text) {
    releaseViewButtons();
    pointTable1At(kFirstIslandTable);
    selectAllRecordsMode();
    setExchangeButtonsEnabled(false);
    unbindOwnerPanel();
    clearEditMode();
    IotaDBCtrlGrid->hide();
    DBGrid1->hide();
    BatchProgress& gauge = progress(kPreparingWantList);

    QuickRep3.QRLabel33 = reports::wantListHeader(OwnerCallsign, dateTimeText(m_clock), kind);
    QuickRep3.QRMemo1 = text(gauge);
    Table1.Open();
    Progress->hide();
    m_reportPreview->show(reports::wantListReport(QuickRep3.QRLabel33, QuickRep3.QRMemo1));

    Table1.Close();
    Table1.setFiltered(false);
    enableViewButtonsAndBoxes();
    for (QRadioButton* button : radioButtons()) button->setEnabled(true);
    setExchangeButtonsEnabled(true);
    resetGroupLabel();
}

void TForm1::pointTable1At(const QString& tableName) {
    Table1.Close();
    Table1.setFiltered(false);
    Table1.setFilter(QString());
    Table1.setTableName(tableName);
}

#include "app/main_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/covering_panel.h"
#include "app/list_column_widths.h"
#include "app/readable_colour.h"
#include "register/list_grid_model.h"
#include "window/application_title.h"
#include "window/control_properties.h"
#include "window/gauge_view.h"
#include "window/program_picture.h"

namespace {

// The client area below the menu bar, in pixels, the same on every screen.
constexpr int kClientWidth = 793;
constexpr int kClientHeight = 516;
constexpr QRect kRecordPanelPlace(0, 0, 785, 76);
constexpr QRect kListAreaPlace(0, 76, 785, 300);
// The picture fills the middle of the window, behind the record panels and the list area.
constexpr QRect kPicturePlace(4, 112, 785, 376);

template <class Control>
Control* place(QWidget* parent, const char* name, const QRect& geometry) {
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

QGroupBox* box(QWidget* parent, const char* name, const char* title, const QRect& geometry) {
    auto* groupBox = place<QGroupBox>(parent, name, geometry);
    groupBox->setTitle(QString::fromLatin1(title));
    return groupBox;
}

QFrame* panel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = place<QFrame>(parent, name, geometry);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel* caption(QWidget* parent, const char* text, const QRect& geometry, QWidget* buddy = nullptr) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(geometry);
    label->setBuddy(buddy);
    return label;
}

struct ButtonPlace {
    QPushButton* TForm1::*button;
    const char* name;
    const char* caption;
    QRect geometry;
};

// Two rows of four, pressed one at a time.
const ButtonPlace kViewButtons[] = {
    {&TForm1::AfricaButton, "AfricaButton", "&Africa", {8, 22, 74, 32}},
    {&TForm1::AntarcticaButton, "AntarcticaButton", "Anta&rctica", {87, 22, 74, 32}},
    {&TForm1::AsiaButton, "AsiaButton", "A&sia", {166, 22, 74, 32}},
    {&TForm1::EuropeButton, "EuropeButton", "&Europe", {245, 22, 74, 32}},
    {&TForm1::NorthamericaButton, "NorthamericaButton", "&N. America", {8, 62, 74, 32}},
    {&TForm1::OceaniaButton, "OceaniaButton", "&Oceania", {87, 62, 74, 32}},
    {&TForm1::SouthamericaButton, "SouthamericaButton", "&S. America", {166, 62, 74, 32}},
    {&TForm1::MyDetailsButton, "MyDetailsButton", "&My Details", {245, 62, 74, 32}},
};

const ButtonPlace kExchangeButtons[] = {
    {&TForm1::ImportButton, "ImportButton", "&Im&port from CP", {10, 44, 124, 26}},
    {&TForm1::ExportButton, "ExportButton", "Expo&rt to CP", {10, 74, 124, 26}},
};

const ButtonPlace kCommandButtons[] = {
    {&TForm1::SpeedButton1, "SpeedButton1", "A&wards", {8, 12, 69, 22}},
    {&TForm1::InfoButton, "InfoButton", "&Info", {8, 35, 69, 22}},
    {&TForm1::HelpButton, "HelpButton", "&Help", {8, 58, 69, 22}},
    {&TForm1::ExitButton, "ExitButton", "E&xit", {8, 81, 69, 22}},
};

struct RadioPlace {
    QRadioButton* TForm1::*button;
    const char* name;
    const char* caption;
    int column;
    int row;
};

// Two columns of five, in the order they are seen.
const RadioPlace kRadioButtons[] = {
    {&TForm1::RadioButton1, "RadioButton1", "all", 0, 0},
    {&TForm1::RadioButton8, "RadioButton8", "A/C/W", 0, 1},
    {&TForm1::RadioButton2, "RadioButton2", "A/C", 0, 2},
    {&TForm1::RadioButton4, "RadioButton4", "A", 0, 3},
    {&TForm1::RadioButton6, "RadioButton6", "need (-)", 0, 4},
    {&TForm1::RadioButton3, "RadioButton3", "C", 1, 0},
    {&TForm1::RadioButton7, "RadioButton7", "W", 1, 1},
    {&TForm1::RadioButton5, "RadioButton5", "D", 1, 2},
    {&TForm1::RadioButton9, "RadioButton9", "need (-/W)", 1, 3},
    {&TForm1::RadioButton10, "RadioButton10", "/Call (Update!)", 1, 4},
};

QRect radioGeometry(const RadioPlace& place) {
    return place.column == 0 ? QRect(10, 20 + place.row * 17, 88, 17) : QRect(100, 20 + place.row * 17, 110, 17);
}

}  // namespace

void TForm1::createControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    // Everything a panel over the whole client area covers lies in one area beneath it.
    const QRect wholeClient(0, 0, kClientWidth, kClientHeight);
    auto* covered = place<QWidget>(client, "CoveredArea", wholeClient);
    createSelectionBoxes(covered);
    Panel1 = place<PictureBox>(covered, "Panel1", kPicturePlace);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The record panel on show stands above the list, which takes the rest of the middle; with
    // neither shown the picture behind them shows through.
    auto* middle = place<QWidget>(covered, "ListArea", kPicturePlace);
    createRecordPanels(middle);
    createListArea(middle);
    auto* stack = new QVBoxLayout(middle);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    for (QWidget* part : {static_cast<QWidget*>(IotaDBCtrlGrid), static_cast<QWidget*>(MyDetailsDBCtrlGrid),
                          static_cast<QWidget*>(ClaimAwardDBCtrlGrid)}) {
        part->setFixedHeight(kRecordPanelPlace.height());
        stack->addWidget(part);
    }
    stack->addWidget(DBGrid1, 1);
    stack->addWidget(GroupSummary, 1);
    createStatusLine(covered);
    QSLPanel = new QslCardPanel(m_paths, client);
    QSLPanel->setObjectName(QStringLiteral("QSLPanel"));
    QSLPanel->setGeometry(wholeClient);
    new CoveringPanel(QSLPanel, covered);
    InternetPanel = panel(client, "InternetPanel", wholeClient);
    // Menu bar and client area together make the window: it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::createSelectionBoxes(QWidget* client) {
    GroupBox1 = box(client, "GroupBox1", "Display selection", {4, 2, 328, 106});
    m_viewButtonGroup = new QButtonGroup(this);
    for (const ButtonPlace& place : kViewButtons) {
        QPushButton* button = this->*place.button = new QPushButton(QString::fromLatin1(place.caption), GroupBox1);
        button->setObjectName(QLatin1String(place.name));
        button->setGeometry(place.geometry);
        button->setCheckable(true);
        m_viewButtonGroup->addButton(button);
    }

    GroupBox2 = box(client, "GroupBox2", "Modify/Import/Export", {336, 2, 144, 106});
    EditMode = place<QCheckBox>(GroupBox2, "EditMode", {10, 20, 124, 18});
    EditMode->setText(QStringLiteral("Edit Mode"));
    for (const ButtonPlace& place : kExchangeButtons) {
        this->*place.button = new QPushButton(QString::fromLatin1(place.caption), GroupBox2);
        (this->*place.button)->setObjectName(QLatin1String(place.name));
        (this->*place.button)->setGeometry(place.geometry);
    }
    JumpTo = place<QLineEdit>(GroupBox2, "JumpTo", {70, 46, 60, 24});
    JumpTo->setMaxLength(4);
    setHint(JumpTo, QStringLiteral("Enter number, double-click to clear"));
    LJumpTo = caption(GroupBox2, "Jump to", {10, 48, 58, 20}, JumpTo);
    LJumpTo->setObjectName(QStringLiteral("LJumpTo"));

    RadioGroup1 = box(client, "RadioGroup1", "Display mode (Status)", {484, 2, 216, 106});
    for (const RadioPlace& place : kRadioButtons) {
        QRadioButton* button = this->*place.button = new QRadioButton(QString::fromLatin1(place.caption), RadioGroup1);
        button->setObjectName(QLatin1String(place.name));
        button->setGeometry(radioGeometry(place));
    }

    GroupBox3 = box(client, "GroupBox3", "", {704, 2, 85, 106});
    for (const ButtonPlace& place : kCommandButtons) {
        this->*place.button = new QPushButton(QString::fromLatin1(place.caption), GroupBox3);
        (this->*place.button)->setObjectName(QLatin1String(place.name));
        (this->*place.button)->setGeometry(place.geometry);
    }
}

// The three record panels share one place above the list; one at a time is shown.
void TForm1::createRecordPanels(QWidget* client) {
    IotaDBCtrlGrid = panel(client, "IotaDBCtrlGrid", kRecordPanelPlace);
    Callsign = place<QLineEdit>(IotaDBCtrlGrid, "Callsign", {66, 42, 110, 24});
    setHint(Callsign, QStringLiteral("Enter callsign for claimed IOTA reference"));
    caption(IotaDBCtrlGrid, "Callsign", {8, 44, 56, 20}, Callsign);
    StatusDBComboBox = place<QComboBox>(IotaDBCtrlGrid, "StatusDBComboBox", {234, 42, 60, 24});
    StatusDBComboBox->setEditable(true);
    StatusDBComboBox->addItems({QStringLiteral("-"), QStringLiteral("C"), QStringLiteral("W")});
    setHint(StatusDBComboBox, QStringLiteral("Select status"));
    caption(IotaDBCtrlGrid, "Status", {188, 44, 44, 20}, StatusDBComboBox);
    Comment = place<QLineEdit>(IotaDBCtrlGrid, "Comment", {368, 42, 408, 24});
    setHint(Comment, QStringLiteral("Optional: Enter comment "));
    caption(IotaDBCtrlGrid, "Comment", {306, 44, 60, 20}, Comment);
    Island_name = place<QLineEdit>(IotaDBCtrlGrid, "Island_name", {140, 8, 400, 24});
    setHint(Island_name, QStringLiteral("Island goup/name"));
    caption(IotaDBCtrlGrid, "Island", {92, 10, 46, 20}, Island_name);
    Prefix = place<QLineEdit>(IotaDBCtrlGrid, "Prefix", {600, 8, 176, 24});
    setHint(Prefix, QStringLiteral("Prefix used"));
    caption(IotaDBCtrlGrid, "Prefix", {552, 10, 46, 20}, Prefix);
    IotaID = place<QLineEdit>(IotaDBCtrlGrid, "IotaID", {8, 8, 72, 24});
    IotaID->setReadOnly(true);
    setHint(IotaID, QStringLiteral("IOTA Reference"));
    QWidget* const tabChain[] = {Callsign, Comment, StatusDBComboBox, Island_name, Prefix};
    for (size_t i = 1; i < std::size(tabChain); ++i) setTabOrder(tabChain[i - 1], tabChain[i]);

    MyDetailsDBCtrlGrid = panel(client, "MyDetailsDBCtrlGrid", kRecordPanelPlace);
    DBText1 = place<QLabel>(MyDetailsDBCtrlGrid, "DBText1", {8, 26, 240, 24});
    DBEdit1 = place<QLineEdit>(MyDetailsDBCtrlGrid, "DBEdit1", {256, 26, 400, 24});

    // The award panel is seen in the claim view only, which shows it itself.
    ClaimAwardDBCtrlGrid = panel(client, "ClaimAwardDBCtrlGrid", kRecordPanelPlace);
    ClaimAwardDBCtrlGrid->hide();
    DBText2 = place<QLabel>(ClaimAwardDBCtrlGrid, "DBText2", {8, 26, 300, 24});
    QFont bold = DBText2->font();
    bold.setBold(true);
    DBText2->setFont(bold);
    // The award name in navy, or in the palette's link or text colour where navy would not read.
    setReadableTextColour(*DBText2,
                          {QColor(0, 0, 128), palette().color(QPalette::Link), palette().color(QPalette::WindowText)});
    AwardNumberDBComboBox = place<QComboBox>(ClaimAwardDBCtrlGrid, "AwardNumberDBComboBox", {316, 26, 120, 24});
    AwardNumberDBComboBox->addItems({QStringLiteral("CLAIM"), QStringLiteral("NONE")});
    DateDBEdit = place<QLineEdit>(ClaimAwardDBCtrlGrid, "DateDBEdit", {444, 26, 140, 24});
}

// The list grid and the summary panel share one place below the record panels.
void TForm1::createListArea(QWidget* client) {
    DBGrid1 = place<QTableView>(client, "DBGrid1", kListAreaPlace);
    m_gridModel = new ListGridModel(Table1, this);
    DBGrid1->setModel(m_gridModel);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    // Columns as wide as the first records of a view need, once per view.
    connect(m_gridModel, &ListGridModel::newViewShown, DBGrid1, [this] { sizeColumnsToWidestValues(*DBGrid1); });
    setHint(DBGrid1, QStringLiteral("To display QSL double-click!"));

    GroupSummary = panel(client, "GroupSummary", kListAreaPlace);
}

// The status line runs along the bottom.
void TForm1::createStatusLine(QWidget* client) {
    GroupLabel = caption(client, "Groups ", {6, 494, 180, 18});
    GroupLabel->setObjectName(QStringLiteral("GroupLabel"));
    Progress = place<QProgressBar>(client, "Progress", {190, 493, 599, 18});
    Progress->setRange(0, 100);
    Progress->setValue(0);
    // Shown by the commands that report progress.
    Progress->hide();
    m_gaugeView = std::make_unique<GaugeView>(*Progress, *GroupLabel);
}

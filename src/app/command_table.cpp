// Which control or menu entry runs which command of the window: one row a command, found by the
// control's name once every control and menu of the window exists.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

#include "app/main_window.h"

namespace {

struct CommandRow {
    const char* control;
    TForm1::CommandSignal signal;
    void (TForm1::*handler)();
};

using enum TForm1::CommandSignal;

const CommandRow kCommands[] = {
    // Display selection and display mode.
    {"AfricaButton", Clicked, &TForm1::AfricaButtonClick},
    {"AntarcticaButton", Clicked, &TForm1::AntarcticaButtonClick},
    {"AsiaButton", Clicked, &TForm1::AsiaButtonClick},
    {"EuropeButton", Clicked, &TForm1::EuropeButtonClick},
    {"NorthamericaButton", Clicked, &TForm1::NorthamericButtonClick},
    {"OceaniaButton", Clicked, &TForm1::OceaniaButtonClick},
    {"SouthamericaButton", Clicked, &TForm1::SouthamericaButtonClick},
    {"MyDetailsButton", Clicked, &TForm1::MyDetailsButtonClick},
    {"RadioButton1", Checked, &TForm1::CheckFilter},
    {"RadioButton2", Checked, &TForm1::CheckFilter},
    {"RadioButton3", Checked, &TForm1::CheckFilter},
    {"RadioButton4", Checked, &TForm1::CheckFilter},
    {"RadioButton5", Checked, &TForm1::CheckFilter},
    {"RadioButton6", Checked, &TForm1::CheckFilter},
    {"RadioButton7", Checked, &TForm1::CheckFilter},
    {"RadioButton8", Checked, &TForm1::CheckFilter},
    {"RadioButton9", Checked, &TForm1::CheckFilter},
    {"RadioButton10", Checked, &TForm1::CheckFilter},
    // Modify/Import/Export, and the record panels.
    {"EditMode", Toggled, &TForm1::EditModeClick},
    {"JumpTo", TextChanged, &TForm1::JumpToChange},
    {"ImportButton", Clicked, &TForm1::ImportButtonClick},
    {"ExportButton", Clicked, &TForm1::ExportButtonClick},
    // Only choosing an item is a change; showing another record's number is not.
    {"AwardNumberDBComboBox", Activated, &TForm1::AwardNumberDBComboBoxChange},
    {"DBGrid1", DoubleClicked, &TForm1::DBGrid1DblClick},
    // Enter on an island in the list shows its QSL card, as a double click does.
    {"DBGrid1", EnterPressed, &TForm1::DBGrid1DblClick},
    // Awards, Info, Help, Exit.
    {"SpeedButton1", Clicked, &TForm1::SpeedButton1Click},
    {"InfoButton", Clicked, &TForm1::InfoButtonClick},
    {"HelpButton", Clicked, &TForm1::HelpButtonClick},
    {"ExitButton", Clicked, &TForm1::ExitButtonClick},
    // "&1 Show Groups".
    {"Europe2", Triggered, &TForm1::Europe2Click},
    {"Asia2", Triggered, &TForm1::Asia2Click},
    {"Northamerica2", Triggered, &TForm1::Northamerica2Click},
    {"BritishIsles1", Triggered, &TForm1::BritishIsles1Click},
    {"Northamerica3", Triggered, &TForm1::Northamerica3Click},
    {"Southamerica2", Triggered, &TForm1::Southamerica2Click},
    // "&2 Summary", "&3 Reports" (the island lists come from the reports' own table) and the
    // summary panel.
    {"GroupAwards1", Triggered, &TForm1::GroupAwards1Click},
    {"ContinentalAwards1", Triggered, &TForm1::ContinentalAwards1Click},
    {"PrintSummary1", Triggered, &TForm1::PrintSummary1Click},
    {"NeededWorked1", Triggered, &TForm1::NeededWorked1Click},
    {"Needed14", Triggered, &TForm1::Needed14Click},
    {"ByRarity1", Triggered, &TForm1::ByRarity1Click},
    {"OK_Button", Clicked, &TForm1::OK_ButtonClick},
    // "&4 Claim Award" … "&8 More", and the update panel.
    {"ClaimAward", Triggered, &TForm1::ClaimAwardClick},
    {"N5ImportUPF1", Triggered, &TForm1::ImportUPFClick},
    {"viaInternet1", Triggered, &TForm1::viaInternet1Click},
    {"fromFile1", Triggered, &TForm1::fromFile1Click},
    {"fromIotaList1", Triggered, &TForm1::fromIotaList1Click},
    {"N7HQImport1", Triggered, &TForm1::N7HQImport1Click},
    {"N8ImportADIF1", Triggered, &TForm1::ImportADIFClick},
    {"N9Backups1", Triggered, &TForm1::N9Backups1Click},
    {"Map1", Triggered, &TForm1::Map1Click},
    {"Spots1", Triggered, &TForm1::Spots1Click},
    {"btnGo", Clicked, &TForm1::btnGoClick},
    {"btnStop", Clicked, &TForm1::btnStopClick},
    {"ImportURL", Clicked, &TForm1::ImportURLClick},
    {"Abort", Clicked, &TForm1::AbortClick},
};

// The control as the kind its signal belongs to; a row naming the wrong kind is a fault of the table.
template <class Control>
Control* as(QObject* control) {
    auto* typed = qobject_cast<Control*>(control);
    if (!typed) qFatal("The control %s gives no such signal", qPrintable(control->objectName()));
    return typed;
}

}  // namespace

void TForm1::connectCommands() {
    for (const CommandRow& row : kCommands) {
        QObject* control = findChild<QObject*>(QLatin1String(row.control));
        if (!control) qFatal("The window has no control %s for its command", row.control);
        connectCommand(control, row.signal, [this, handler = row.handler] { (this->*handler)(); });
    }
}

// A radio button runs its command when it becomes selected, the check box whenever it changes;
// a command changing them runs it as a click does, and setting the same state runs nothing.
void TForm1::connectCommand(QObject* control, CommandSignal signal, std::function<void()> command) {
    auto run = [this, command = std::move(command)] { runCommand(command); };
    switch (signal) {
        case Clicked:
            connect(as<QAbstractButton>(control), &QAbstractButton::clicked, this, run);
            break;
        case Checked:
            connect(as<QAbstractButton>(control), &QAbstractButton::toggled, this, [run](bool checked) {
                if (checked) run();
            });
            break;
        case Toggled:
            connect(as<QAbstractButton>(control), &QAbstractButton::toggled, this, run);
            break;
        case Triggered:
            connect(as<QAction>(control), &QAction::triggered, this, run);
            break;
        case Activated:
            connect(as<QComboBox>(control), &QComboBox::activated, this, run);
            break;
        case DoubleClicked:
            connect(as<QAbstractItemView>(control), &QAbstractItemView::doubleClicked, this, run);
            break;
        case EnterPressed:
            for (const QKeySequence& keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
                auto* shortcut = new QShortcut(keys, as<QWidget>(control), nullptr, nullptr, Qt::WidgetShortcut);
                connect(shortcut, &QShortcut::activated, this, run);
            }
            break;
        case TextChanged:
            connect(as<QLineEdit>(control), &QLineEdit::textChanged, this, run);
            break;
    }
}

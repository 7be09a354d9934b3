#include "support/gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "window/control_properties.h"
#include "window/program_picture.h"
#include "window/splash_view.h"

void GuiTest::setOwner(const QString& callsign, const QString& directoryNo) {
    folder.setOwnerValue(QStringLiteral("Callsign"), callsign);
    folder.setOwnerValue(QStringLiteral("Directory No"), directoryNo);
}

Paths GuiTest::paths() const {
    return Paths{folder.path(), QCoreApplication::applicationDirPath()};
}

std::unique_ptr<TForm1> GuiTest::startForm() {
    return startForm(paths());
}

std::unique_ptr<TForm1> GuiTest::startForm(const Paths& paths) {
    return std::make_unique<TForm1>(paths, dialogs, clock, shell);
}

void StartedFormTest::SetUp() {
    setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
    form = startForm();
    form->show();
}

void expectNoViewShown(const TForm1& form) {
    for (QPushButton* button : form.viewButtons()) {
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             form.DBGrid1, form.GroupSummary, form.IotaDBCtrlGrid, form.MyDetailsDBCtrlGrid, form.ClaimAwardDBCtrlGrid,
             form.QSLPanel, form.InternetPanel, form.JumpTo, form.LJumpTo, form.GroupLabel, form.Progress})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_FALSE(form.Panel1->isHidden());

    EXPECT_TRUE(form.RadioButton1->isChecked());
    for (QRadioButton* button : form.radioButtons())
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(form.EditMode->isChecked());
    EXPECT_FALSE(form.EditMode->isEnabled());

    for (QWidget* enabled : std::initializer_list<QWidget*>{
             form.RadioGroup1, form.GroupBox2, form.GroupBox3, form.ImportButton, form.ExportButton, form.SpeedButton1,
             form.InfoButton, form.HelpButton, form.ExitButton, form.MainMenu1})
        EXPECT_TRUE(enabled->isEnabled()) << enabled->objectName().toStdString();
    for (QAction* menu : form.MainMenu1->actions()) EXPECT_TRUE(menu->isEnabled()) << menu->objectName().toStdString();
}

void expectAllFieldsUnbound(const TForm1& form) {
    for (QWidget* field : std::initializer_list<QWidget*>{
             form.IotaID, form.Island_name, form.Prefix, form.Callsign, form.Comment, form.StatusDBComboBox,
             form.DBEdit1, form.DBText1, form.DBText2, form.AwardNumberDBComboBox, form.DateDBEdit})
        EXPECT_EQ(boundField(field), QString()) << field->objectName().toStdString();
}

void expectNoSplashLeft() {
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TSplashForm*>(window), nullptr) << "a splash window is left";
}

namespace {

bool reachableIn(const QList<QAction*>& entries, const QAction* entry) {
    for (const QAction* action : entries) {
        if (action == entry) return action->isEnabled();
        if (action->menu() && action->isEnabled() && reachableIn(action->menu()->actions(), entry)) return true;
    }
    return false;
}

// The control a test presses, or none after a failure saying why.
QWidget* controlToPress(TForm1& form, const QString& name) {
    const QList<QWidget*> controls = form.findChildren<QWidget*>(name);
    if (controls.size() != 1) {
        ADD_FAILURE() << controls.size() << " controls are named " << name.toStdString();
        return nullptr;
    }
    QWidget* control = controls.front();
    if (!control->isVisible()) {
        ADD_FAILURE() << name.toStdString() << " is not on show";
        return nullptr;
    }
    if (!control->isEnabled()) {
        ADD_FAILURE() << name.toStdString() << " is disabled";
        return nullptr;
    }
    return control;
}

}  // namespace

bool reachable(const TForm1& form, const QAction* entry) {
    return reachableIn(form.MainMenu1->actions(), entry);
}

void press(TForm1& form, const QString& name) {
    if (auto* entry = form.findChild<QAction*>(name)) {
        ASSERT_TRUE(reachable(form, entry)) << name.toStdString() << " cannot be reached from the menu bar";
        entry->trigger();
        return;
    }
    QWidget* control = controlToPress(form, name);
    if (!control) return;
    auto* button = qobject_cast<QAbstractButton*>(control);
    ASSERT_NE(button, nullptr) << name.toStdString() << " is no button";
    button->click();
}

void doubleClick(TForm1& form, const QString& name) {
    QWidget* control = controlToPress(form, name);
    if (!control) return;
    QWidget* target = control;
    QPoint point = control->rect().center();
    if (auto* list = qobject_cast<QAbstractItemView*>(control)) {
        const QModelIndex current = list->currentIndex();
        ASSERT_TRUE(current.isValid()) << name.toStdString() << " has no current row";
        list->scrollTo(current);
        target = list->viewport();
        point = list->visualRect(current).center();
    }
    // The first click of the two presses the row the second one opens.
    QTest::mouseClick(target, Qt::LeftButton, {}, point);
    QTest::mouseDClick(target, Qt::LeftButton, {}, point);
}

void typeInto(TForm1& form, const QString& name, const QString& keys) {
    if (QWidget* control = controlToPress(form, name)) QTest::keyClicks(control, keys);
}

void activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QStringList errorBoxTexts(const ScriptedDialogs& dialogs) {
    QStringList texts;
    for (const AskedDialog& box : dialogs.asked(AskedDialog::Kind::Message)) {
        if (box.icon != QMessageBox::Critical) continue;
        EXPECT_EQ(box.title, QStringLiteral("Skerrydesk"));
        texts << box.text;
    }
    return texts;
}

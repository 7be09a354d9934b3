#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "app/accessible_names.h"
#include "app/first_run_rules.h"
#include "app/hyperlink.h"
#include "app/ok_dialog.h"
#include "support/gui_fixture.h"
#include "support/screenshot.h"

namespace {

// The roles of the controls a user reaches and a screen reader has to name.
const std::set<QAccessible::Role> kControlRoles{
    QAccessible::PushButton,   QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::EditableText, QAccessible::Link,         QAccessible::MenuItem,    QAccessible::ProgressBar,
    QAccessible::Table,        QAccessible::ColumnHeader, QAccessible::Grouping,
};

// An access-key ampersand left in a name is read aloud ("Im and port from CP").
const QRegularExpression kAccessKeyLeft(QStringLiteral("&\\w"));

QString describe(QAccessibleInterface* node) {
    const QObject* object = node->object();
    const QObject* parent = object ? object->parent() : nullptr;
    return QStringLiteral("%1 in %2 (role %3)")
        .arg(object ? object->objectName() : QString(), parent ? parent->objectName() : QString())
        .arg(int(node->role()));
}

// The children of a table that name its columns: the headers come before the cells.
int headerChildren(QAccessibleInterface* table) {
    return table->tableInterface()->columnCount() + 1;
}

// What a screen reader finds below a node: the controls read without a proper name, and the
// menu entries by name.
struct SpokenTree {
    QStringList badNames;
    QStringList menuEntries;
};

// Walks the tree as a screen reader does. A table's cells are records, not controls: only its
// column headers are looked at.
void walk(QAccessibleInterface* node, SpokenTree& tree) {
    const QString name = node->text(QAccessible::Name);
    if (kControlRoles.contains(node->role()) && (name.trimmed().isEmpty() || name.contains(kAccessKeyLeft)))
        tree.badNames << describe(node) + QStringLiteral(": \"") + name + u'"';
    if (node->role() == QAccessible::MenuItem) tree.menuEntries << name;
    const int children =
        node->role() == QAccessible::Table && node->tableInterface() ? headerChildren(node) : node->childCount();
    for (int i = 0; i < children; ++i)
        if (QAccessibleInterface* child = node->child(i)) walk(child, tree);
}

SpokenTree spokenTree(QWidget* window) {
    SpokenTree tree;
    walk(QAccessible::queryAccessibleInterface(window), tree);
    return tree;
}

QAccessibleInterface* spoken(QObject* object) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(node, nullptr) << object->objectName().toStdString();
    return node;
}

QStringList columnHeaderNames(QTableView* grid) {
    QStringList names;
    QAccessibleInterface* table = spoken(grid);
    for (int i = 0; i < headerChildren(table); ++i)
        if (QAccessibleInterface* child = table->child(i); child && child->role() == QAccessible::ColumnHeader)
            names << child->text(QAccessible::Name);
    return names;
}

}  // namespace

// The window of DL1ABC, whose program folder holds the placeholder picture of a QSL card.
class KeyboardAndScreenReaderTest : public GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("QSLimages")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_SOURCE_DATA "/QSLimages/noqsl.jpg"),
                                program.filePath(QStringLiteral("QSLimages/noqsl.jpg"))));
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        form = startForm(Paths{folder.path(), program.path()});
        form->show();
    }

    QTemporaryDir program;
    std::unique_ptr<TForm1> form;
};

TEST_F(KeyboardAndScreenReaderTest, EveryControlOfTheWindowHasASpokenName) {
    press(*form, QStringLiteral("EuropeButton"));
    EXPECT_EQ(columnHeaderNames(form->DBGrid1), (QStringList{"IOTA", "Prefix", "Island", "Call", "Status", "Comment"}));
    press(*form, QStringLiteral("ContinentalAwards1"));

    const SpokenTree tree = spokenTree(form.get());
    EXPECT_TRUE(tree.badNames.isEmpty()) << tree.badNames.join(u'\n').toStdString();
    for (const char* entry : {"Import ADIF", "Backups", "Map", "... from IOTA list (JSON)", "Want List (short)",
                              "by rarity", "approved & claimed & worked"})
        EXPECT_TRUE(tree.menuEntries.contains(QLatin1String(entry))) << entry;

    const std::pair<const char*, const char*> kExpected[] = {
        {"ImportButton", "Import from CP"},
        {"ExportButton", "Export to CP"},
        {"Callsign", "Callsign"},
        {"L_eu_a", "Europe, approved: 0"},
        {"L_tot_pw", "Sum, approved, claimed & worked, per cent: ( 0% )"},
    };
    for (const auto& [objectName, name] : kExpected)
        EXPECT_EQ(spoken(form->findChild<QWidget*>(objectName))->text(QAccessible::Name), name) << objectName;

    dialogs.answerExec(QDialog::Rejected, [](QDialog& about) {
        const QList<THyperLink*> links = about.findChildren<THyperLink*>();
        EXPECT_EQ(links.size(), 2);
        for (THyperLink* link : links) {
            QAccessibleInterface* node = spoken(link);
            EXPECT_EQ(node->role(), QAccessible::Link);
            EXPECT_EQ(node->text(QAccessible::Name), link->caption());
            EXPECT_EQ(node->text(QAccessible::Description), link->href());
        }
        const QStringList bad = spokenTree(&about).badNames;
        EXPECT_TRUE(bad.isEmpty()) << bad.join(u'\n').toStdString();
    });
    press(*form, QStringLiteral("OK_Button"));
    press(*form, QStringLiteral("InfoButton"));
}

namespace {

// A command the user gives, the control that then has the keyboard, and optionally a key he
// presses next in a control he moved to, with what it leaves focused, shows or closes.
struct FocusPoint {
    const char* command;
    const char* focusedAfterCommand;
    const char* movedTo;
    Qt::Key key;
    const char* focusedAfterKey;
    const char* shownByKey;
    const char* closedByKey;
};

const FocusPoint kFocusPoints[] = {
    {"ContinentalAwards1", "OK_Button", nullptr, Qt::Key_Return, nullptr, nullptr, "GroupSummary"},
    {"GroupAwards1", "OK_Button", nullptr, Qt::Key_Enter, nullptr, nullptr, "GroupSummary"},
    {"BritishIsles1", "DBGrid1", nullptr, Qt::Key_unknown, nullptr, nullptr, nullptr},
    {"MyDetailsButton", "DBGrid1", nullptr, Qt::Key_unknown, nullptr, nullptr, nullptr},
    {"SpeedButton1", "DBGrid1", nullptr, Qt::Key_unknown, nullptr, nullptr, nullptr},
    {"ClaimAward", "DBGrid1", "AwardNumberDBComboBox", Qt::Key_C, "DBGrid1", nullptr, nullptr},
    {"EuropeButton", "DBGrid1", nullptr, Qt::Key_Return, nullptr, "QSLPanel", nullptr},
};

QString focusedName(const TForm1& form) {
    return form.focusWidget() ? form.focusWidget()->objectName() : QStringLiteral("nothing");
}

}  // namespace

TEST_F(KeyboardAndScreenReaderTest, TheKeyboardIsWhereTheUserActsNext) {
    for (const FocusPoint& point : kFocusPoints) {
        SCOPED_TRACE(point.command);
        activate(*form);
        press(*form, QString::fromLatin1(point.command));
        EXPECT_EQ(focusedName(*form), QLatin1String(point.focusedAfterCommand));
        activate(*form);
        saveScreenshot(*form, QStringLiteral("focus_after_") + QLatin1String(point.command));
        if (point.key == Qt::Key_unknown) continue;
        if (point.movedTo) form->findChild<QWidget*>(QLatin1String(point.movedTo))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), point.key);
        if (point.focusedAfterKey) {
            EXPECT_EQ(focusedName(*form), QLatin1String(point.focusedAfterKey));
        }
        if (point.shownByKey) {
            EXPECT_TRUE(form->findChild<QWidget*>(QLatin1String(point.shownByKey))->isVisible());
        }
        if (point.closedByKey) {
            EXPECT_TRUE(form->findChild<QWidget*>(QLatin1String(point.closedByKey))->isHidden());
        }
    }
}

TEST(FirstRunConfirmationTest, OpensScrolledToTheValuesToConfirm) {
    TOKDialog dialog;
    dialog.appendLines(firstrun::confirmationLines({"DL1ABC", "4711", "SSB", "HF"}));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("ConfirmationText"));
    for (const QString& line : {QStringLiteral("IMPORTANT"), QStringLiteral("Please confirm or repeat entry.")}) {
        const QTextCursor found = text->document()->find(line, 0, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(found.isNull()) << line.toStdString();
        EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect(found)))
            << line.toStdString() << " is out of view";
    }
    EXPECT_EQ(dialog.size(), QSize(394, 237));
    saveScreenshot(dialog, QStringLiteral("first_run_confirmation"));
}

TEST(AccessKeys, AreDroppedFromSpokenCaptions) {
    const std::pair<const char*, const char*> kCaptions[] = {
        {"&Im&port from CP", "Import from CP"},
        {"E&xit", "Exit"},
        {"a&pproved && claimed", "approved & claimed"},
        {"approved && claimed", "approved & claimed"},
        {"&&&Go", "&Go"},
        {"trailing&", "trailing"},
        {"", ""},
    };
    for (const auto& [caption, spoken] : kCaptions)
        EXPECT_EQ(withoutAccessKeys(QLatin1String(caption)), QLatin1String(spoken)) << caption;
}

#include <QApplication>
#include <QTest>

#include "app/about_box_dialog.h"
#include "app/hyperlink.h"
#include "base/failure.h"
#include "support/gui_fixture.h"
#include "support/screenshot.h"

namespace {

class InfoCommand : public StartedFormTest {};

int aboutBoxesLeft() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<TAboutBox*>(window)) ++count;
    return count;
}

}  // namespace

TEST_F(InfoCommand, ShowsTheAboutBoxModallyAndDestroysIt) {
    QString webAddress;
    dialogs.answerExec(QDialog::Rejected, [&](QDialog& dialog) {
        auto* box = qobject_cast<TAboutBox*>(&dialog);
        ASSERT_NE(box, nullptr) << "another dialog than the About box";
        EXPECT_EQ(box->windowTitle(), QStringLiteral("About Skerrydesk"));
        EXPECT_EQ(box->parentWidget(), nullptr) << "the box belongs to the application";
        box->show();
        saveScreenshot(*box, QStringLiteral("about_box_from_info"));
        webAddress = box->Link1->href();
        QTest::mouseClick(box->Link1, Qt::LeftButton, {}, box->Link1->rect().center());
    });

    press(*form, QStringLiteral("InfoButton"));

    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked().front().kind, AskedDialog::Kind::Exec);
    EXPECT_FALSE(webAddress.isEmpty());
    EXPECT_EQ(shell.opened, QStringList{webAddress}) << "links open through the shell given";
    EXPECT_EQ(aboutBoxesLeft(), 0);
    expectNoViewShown(*form);
}

TEST_F(InfoCommand, BoxIsDestroyedAfterAFailureWhileShown) {
    dialogs.answerExec(QDialog::Rejected, [](QDialog&) { throw Failure(QStringLiteral("Cannot show the box")); });
    dialogs.answerMessage();

    press(*form, QStringLiteral("InfoButton"));

    EXPECT_EQ(errorBoxTexts(dialogs), (QStringList{QStringLiteral("Cannot show the box.")}));
    EXPECT_EQ(aboutBoxesLeft(), 0);
}

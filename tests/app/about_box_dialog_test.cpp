#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/about_box_dialog.h"
#include "app/hyperlink.h"
#include "support/recording_shell.h"
#include "support/screenshot.h"
#include "window/program_picture.h"

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    }

    RecordingShell shell;
    TAboutBox box{shell};
};

TEST_F(AboutBoxTest, CaptionAndProgramNameShowTheApplicationTitle) {
    saveScreenshot(box, QStringLiteral("about_box"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Skerrydesk"));
    EXPECT_EQ(box.ProgramName->text(), QStringLiteral("Skerrydesk"));
    EXPECT_TRUE(box.Version->text().startsWith(QStringLiteral("V 1.6\n"))) << box.Version->text().toStdString();
    EXPECT_EQ(box.Version->text().count(u'\n'), 4) << "five lines";
}

TEST_F(AboutBoxTest, LayoutOfTheBox) {
    EXPECT_EQ(box.size(), QSize(296, 416));
    EXPECT_EQ(box.Panel1->geometry(), QRect(16, 12, 265, 365));
    EXPECT_EQ(box.Image1->geometry(), QRect(32, 104, 201, 201));
    EXPECT_LE(box.Version->fontMetrics().lineSpacing() * 5, box.Version->height()) << "every notice line shows";
    EXPECT_LE(box.Version->geometry().bottom(), box.Image1->y());
    EXPECT_GE(box.Version->y(), box.ProgramName->geometry().bottom());
    EXPECT_EQ(box.OKButton->geometry(), QRect(113, 384, 75, 25));
    for (const THyperLink* link : {box.Link1, box.MailLink1}) {
        EXPECT_GE(link->x(), 0) << link->caption().toStdString();
        EXPECT_LE(link->geometry().right(), box.Panel1->width()) << link->caption().toStdString();
    }
    EXPECT_EQ(box.Link1->y(), 312);
    EXPECT_EQ(box.MailLink1->y(), 328);
}

TEST_F(AboutBoxTest, LinksLeadToTheWebPageAndToAMail) {
    EXPECT_EQ(box.Link1->caption(), QStringLiteral(SKERRY_WEB_ADDRESS));
    EXPECT_EQ(box.Link1->href(), QStringLiteral(SKERRY_WEB_ADDRESS));
    const QString mail = box.MailLink1->href();
    EXPECT_EQ(mail, QStringLiteral(SKERRY_MAIL_ADDRESS));
    EXPECT_TRUE(mail.startsWith(QStringLiteral("mailto:"))) << mail.toStdString();
    EXPECT_TRUE(mail.contains(QStringLiteral("?subject="))) << mail.toStdString();
    EXPECT_EQ(box.MailLink1->caption(), mailAddressOf(mail));
    QTest::mouseClick(box.Link1, Qt::LeftButton, {}, box.Link1->rect().center());
    QTest::mouseClick(box.MailLink1, Qt::LeftButton, {}, box.MailLink1->rect().center());
    EXPECT_EQ(shell.opened, (QStringList{QStringLiteral(SKERRY_WEB_ADDRESS), mail}));
}

TEST_F(AboutBoxTest, OkComesFirstThenTheLinks) {
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), box.OKButton);
    const QWidget* expected[] = {box.Link1, box.MailLink1, box.OKButton};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next)
            << "focus on " << QApplication::focusWidget()->objectName().toStdString();
    }
}

TEST_F(AboutBoxTest, EnterOnAFocusedLinkClosesTheBoxAndOpensNothing) {
    box.Link1->setFocus();
    QTest::keyClick(box.Link1, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Rejected) << "OK's result is Cancel";
    EXPECT_TRUE(shell.opened.isEmpty()) << shell.opened.join(u' ').toStdString();
}

TEST_F(AboutBoxTest, EscOnAFocusedLinkClosesTheBox) {
    box.MailLink1->setFocus();
    QTest::keyClick(box.MailLink1, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(AboutBoxTest, OkClosesTheBox) {
    QTest::mouseClick(box.OKButton, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Rejected);
}

TEST(MailAddress, IsTheTextBetweenSchemeAndQuestionMark) {
    EXPECT_EQ(mailAddressOf(QStringLiteral("mailto:op@example.org?subject=Skerrydesk")),
              QStringLiteral("op@example.org"));
    EXPECT_EQ(mailAddressOf(QStringLiteral("mailto:op@example.org")), QStringLiteral("op@example.org"));
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "register/cards/qsl_card_panel.h"
#include "support/screenshot.h"

namespace {

QString fixture(const QString& name) {
    return QDir(QStringLiteral(SKERRY_FIXTURES "/cards")).filePath(name);
}

// A panel over a program folder whose picture folder holds the placeholder; the working
// folder lies elsewhere.
class QslCardPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(program.path()).mkdir(kQslPictureFolder));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_PLACEHOLDER_PICTURE), picture(kNoQslPicture)));
        panel.resize(640, 420);
    }

    QString picture(const QString& name) const { return QDir(program.filePath(kQslPictureFolder)).filePath(name); }

    void putCard(const QString& fixtureName, const QString& cardName) {
        ASSERT_TRUE(QFile::copy(fixture(fixtureName), picture(cardName))) << cardName.toStdString();
    }

    void turn() { QTest::mouseClick(panel.Front_Back, Qt::LeftButton); }

    // The picture files shown on opening and after each of two turns.
    QStringList shownWhileTurning(const QString& reference) {
        panel.showCard(reference);
        QStringList shown{panel.shownFile()};
        for (int i = 0; i < 2; ++i) {
            turn();
            shown << panel.shownFile();
        }
        return shown;
    }

    QTemporaryDir program;
    QTemporaryDir working;
    QslCardPanel panel{Paths{working.path(), program.path()}};
    QSignalSpy failures{&panel, &QslCardPanel::failed};
    QSignalSpy closings{&panel, &QslCardPanel::closed};
};

TEST_F(QslCardPanelTest, OpensOnTheFrontWithTheReference) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("EU-005f.jpg"));
    panel.showCard(QStringLiteral("EU-005"));
    saveScreenshot(panel, QStringLiteral("qsl_card_panel"));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.QSLcard->text(), QStringLiteral("EU-005"));
    EXPECT_TRUE(panel.QSLFrontShown);
    EXPECT_EQ(panel.shownFile(), picture(QStringLiteral("EU-005f.jpg")));
    EXPECT_EQ(panel.cardFiles().QSLBackFile, picture(QStringLiteral("EU-005b.jpg")));
    EXPECT_EQ(panel.QSLImage->picture().size(), QSize(320, 200));
    EXPECT_EQ(panel.Front_Back->text(), QStringLiteral("&Turn"));
    EXPECT_EQ(panel.CloseQSL->text(), QStringLiteral("&Close"));
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(QslCardPanelTest, FrontOnlyTurnsToThePlaceholderAndBack) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("EU-005f.jpg"));
    const QStringList expected{picture(QStringLiteral("EU-005f.jpg")), picture(kNoQslPicture),
                               picture(QStringLiteral("EU-005f.jpg"))};
    EXPECT_EQ(shownWhileTurning(QStringLiteral("EU-005")), expected);
    EXPECT_TRUE(panel.QSLFrontShown) << "back on the front, the next turn shows the back side";
}

TEST_F(QslCardPanelTest, BothSidesAlternate) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("OC-001f.jpg"));
    putCard(QStringLiteral("back.jpg"), QStringLiteral("OC-001b.jpg"));
    const QStringList expected{picture(QStringLiteral("OC-001f.jpg")), picture(QStringLiteral("OC-001b.jpg")),
                               picture(QStringLiteral("OC-001f.jpg"))};
    EXPECT_EQ(shownWhileTurning(QStringLiteral("OC-001")), expected);
}

TEST_F(QslCardPanelTest, NoCardShowsThePlaceholder) {
    EXPECT_EQ(shownWhileTurning(QStringLiteral("AF-001")), QStringList(3, picture(kNoQslPicture)));
    saveScreenshot(panel, QStringLiteral("qsl_card_panel_placeholder"));
    EXPECT_FALSE(panel.QSLImage->picture().isNull());
    EXPECT_EQ(failures.count(), 0);
}

TEST_F(QslCardPanelTest, MalformedReferenceShowsThePlaceholderUnderItsOwnName) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("eu-005f.jpg"));
    panel.showCard(QStringLiteral("eu-005"));
    EXPECT_EQ(panel.QSLcard->text(), QStringLiteral("eu-005"));
    EXPECT_EQ(panel.shownFile(), picture(kNoQslPicture));
}

TEST_F(QslCardPanelTest, CorruptFrontReportsTheFileAndCloseStillWorks) {
    for (const QString& broken : {QStringLiteral("corrupt.jpg"), QStringLiteral("truncated.jpg")}) {
        QFile::remove(picture(QStringLiteral("EU-005f.jpg")));
        putCard(broken, QStringLiteral("EU-005f.jpg"));
        failures.clear();
        closings.clear();
        panel.showCard(QStringLiteral("EU-005"));
        ASSERT_EQ(failures.count(), 1) << broken.toStdString();
        const QString message = failures.at(0).at(0).toString();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(picture(QStringLiteral("EU-005f.jpg")))))
            << message.toStdString();
        EXPECT_TRUE(panel.isVisible()) << "the panel stays open";
        EXPECT_TRUE(panel.shownFile().isEmpty()) << panel.shownFile().toStdString();
        EXPECT_TRUE(panel.QSLImage->picture().isNull()) << "no picture the first time";
        QTest::mouseClick(panel.CloseQSL, Qt::LeftButton);
        EXPECT_FALSE(panel.isVisible());
        EXPECT_EQ(closings.count(), 1);
    }
}

// A back that is no picture fails like any unreadable picture: the reason in the error box, the
// front kept.
TEST_F(QslCardPanelTest, BrokenBackKeepsTheFrontAndTheSideItWasOn) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("NA-001f.jpg"));
    putCard(QStringLiteral("not_a_picture.jpg"), QStringLiteral("NA-001b.jpg"));
    panel.showCard(QStringLiteral("NA-001"));
    turn();
    ASSERT_EQ(failures.count(), 1);
    EXPECT_TRUE(failures.at(0).at(0).toString().contains(QStringLiteral("NA-001b.jpg")));
    EXPECT_EQ(panel.shownFile(), picture(QStringLiteral("NA-001f.jpg")));
    EXPECT_EQ(panel.QSLImage->picture().size(), QSize(320, 200));
    EXPECT_TRUE(panel.QSLFrontShown) << "a failed turn does not turn the card";
}

// A back too large to be shown (a progressive JPEG claiming 10000 x 10000 pixels) is on file
// but beyond the limits: the placeholder stands in for it, and the error box says why.
TEST_F(QslCardPanelTest, ABackBeyondTheLimitsShowsThePlaceholderWithTheReason) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("NA-001f.jpg"));
    putCard(QStringLiteral("too_large.jpg"), QStringLiteral("NA-001b.jpg"));
    panel.showCard(QStringLiteral("NA-001"));
    turn();
    ASSERT_EQ(failures.count(), 1);
    EXPECT_TRUE(failures.at(0).at(0).toString().contains(QStringLiteral("10000 x 10000 pixels")))
        << failures.at(0).at(0).toString().toStdString();
    EXPECT_EQ(panel.shownFile(), picture(kNoQslPicture));
    EXPECT_FALSE(panel.QSLFrontShown) << "the card turned, to the placeholder";
}

TEST_F(QslCardPanelTest, MissingPlaceholderIsReported) {
    ASSERT_TRUE(QFile::remove(picture(kNoQslPicture)));
    panel.showCard(QStringLiteral("SA-001"));
    ASSERT_EQ(failures.count(), 1);
    EXPECT_TRUE(failures.at(0).at(0).toString().contains(kNoQslPicture))
        << failures.at(0).at(0).toString().toStdString();
    EXPECT_TRUE(panel.isVisible());
}

TEST_F(QslCardPanelTest, CloseHidesForgetsAndTells) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("EU-005f.jpg"));
    panel.showCard(QStringLiteral("EU-005"));
    QTest::mouseClick(panel.CloseQSL, Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(panel.QSLcard->text().isEmpty());
    EXPECT_TRUE(panel.QSLImage->picture().isNull());
    EXPECT_EQ(closings.count(), 1);
}

TEST_F(QslCardPanelTest, LargePictureIsShrunkToFitCentredWithItsProportions) {
    panel.resize(260, 240);
    putCard(QStringLiteral("front.jpg"), QStringLiteral("EU-005f.jpg"));
    panel.showCard(QStringLiteral("EU-005"));
    const QRect area = panel.QSLImage->rect();
    const QRect shown = panel.QSLImage->pictureRect();
    ASSERT_LT(area.width(), 320);
    EXPECT_TRUE(area.contains(shown)) << "shown " << shown.width() << " x " << shown.height();
    EXPECT_EQ(shown.width(), area.width()) << "the width limits a card wider than the area";
    EXPECT_NEAR(double(shown.width()) / shown.height(), 1.6, 0.02);
    EXPECT_LE(std::abs(shown.center().y() - area.center().y()), 1);
}

TEST_F(QslCardPanelTest, SmallPictureKeepsItsSizeCentred) {
    putCard(QStringLiteral("red.jpg"), QStringLiteral("EU-005f.jpg"));
    panel.showCard(QStringLiteral("EU-005"));
    const QRect area = panel.QSLImage->rect();
    const QRect shown = panel.QSLImage->pictureRect();
    EXPECT_EQ(shown.size(), QSize(16, 8));
    EXPECT_LE((shown.center() - area.center()).manhattanLength(), 2);
}

// On a high-density screen the card is scaled to the screen's pixels, not to the logical size
// and then blown up: the pixmap holds logical size times the ratio and says so.
TEST(ScreenPixmap, HoldsTheScreensPixelsForTheLogicalSize) {
    QImage card(1600, 1000, QImage::Format_RGB888);
    card.fill(Qt::darkGreen);
    const QSize logical(320, 200);
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QPixmap shown = screenPixmap(card, logical, ratio);
        EXPECT_EQ(shown.size(), logical * ratio) << ratio;
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        EXPECT_EQ(shown.deviceIndependentSize().toSize(), logical) << ratio;
    }
}

}  // namespace

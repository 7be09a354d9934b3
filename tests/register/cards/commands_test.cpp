#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "register/cards/qsl_card_panel.h"
#include "support/gui_fixture.h"
#include "support/screenshot.h"

namespace {

// A main window whose program folder holds the placeholder picture, apart from the working
// folder that holds Data/; two British Isles islands and one reference that is not well-formed.
class QslCardTest : public GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(program.path()).mkdir(kQslPictureFolder));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_SOURCE_DATA "/QSLimages/noqsl.jpg"), picture(kNoQslPicture)));
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        folder.execute(QStringLiteral("UPDATE \"IOTA-EU\" SET ABW = 'B' WHERE IOTA IN ('EU-005', 'EU-115')"));
        folder.execute(QStringLiteral("UPDATE \"IOTA-AS\" SET IOTA = '../AS' WHERE IOTA = 'AS-004'"));
        form = startForm(Paths{folder.path(), program.path()});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    QString picture(const QString& name) const { return QDir(program.filePath(kQslPictureFolder)).filePath(name); }

    void putCard(const QString& fixtureName, const QString& cardName) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_FIXTURES "/cards/") + fixtureName, picture(cardName)))
            << cardName.toStdString();
    }

    // Double-clicks the record of a reference in the list shown.
    void openCardOf(const QString& reference) {
        ASSERT_TRUE(form->Table1.Locate(QStringLiteral("IOTA"), reference)) << reference.toStdString();
        doubleClick(*form, QStringLiteral("DBGrid1"));
    }

    // The picture files shown on opening and after each of two turns.
    QStringList shownWhileTurning(const QString& reference) {
        openCardOf(reference);
        QStringList shown{form->QSLPanel->shownFile()};
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(form->QSLPanel->Front_Back, Qt::LeftButton);
            shown << form->QSLPanel->shownFile();
        }
        return shown;
    }

    void close() { QTest::mouseClick(form->QSLPanel->CloseQSL, Qt::LeftButton); }

    QTemporaryDir program;
    std::unique_ptr<TForm1> form;
};

// Picks a row of the list with the mouse, then double-clicks it.
void doubleClickRow(TForm1& form, int row) {
    QTableView& list = *form.DBGrid1;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(row, 0)).center());
    doubleClick(form, QStringLiteral("DBGrid1"));
}

// The six menus a card closes; "&7 HQ Import" stays open.
void expectCardMenusEnabled(const TForm1& form, bool enabled) {
    for (const QAction* menu : {form.Groups->menuAction(), form.Summary->menuAction(), form.Reports->menuAction(),
                                form.ClaimAward, form.N5ImportUPF1, form.N6UpdateMasterIndex1->menuAction()})
        EXPECT_EQ(menu->isEnabled(), enabled) << menu->objectName().toStdString();
    EXPECT_TRUE(form.N7HQImport1->isEnabled());
}

}  // namespace

TEST_F(QslCardTest, PanelIsHiddenAtStartAndCoversTheWholeClientArea) {
    EXPECT_TRUE(form->QSLPanel->isHidden());
    EXPECT_EQ(form->QSLPanel->objectName(), QStringLiteral("QSLPanel"));
    EXPECT_EQ(form->QSLPanel->geometry(), form->centralWidget()->rect());
}

TEST_F(QslCardTest, FrontOnlyShowsFrontPlaceholderFront) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("EU-005f.jpg"));
    press(*form, QStringLiteral("EuropeButton"));

    const QStringList expected{picture(QStringLiteral("EU-005f.jpg")), picture(kNoQslPicture),
                               picture(QStringLiteral("EU-005f.jpg"))};
    EXPECT_EQ(shownWhileTurning(QStringLiteral("EU-005")), expected);

    EXPECT_TRUE(form->QSLPanel->isVisible());
    EXPECT_EQ(form->QSLPanel->QSLcard->text(), QStringLiteral("EU-005"));
    expectCardMenusEnabled(*form, false);
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(QslCardTest, BothSidesAlternate) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("OC-001f.jpg"));
    putCard(QStringLiteral("back.jpg"), QStringLiteral("OC-001b.jpg"));
    press(*form, QStringLiteral("OceaniaButton"));

    const QStringList expected{picture(QStringLiteral("OC-001f.jpg")), picture(QStringLiteral("OC-001b.jpg")),
                               picture(QStringLiteral("OC-001f.jpg"))};
    EXPECT_EQ(shownWhileTurning(QStringLiteral("OC-001")), expected);
    saveScreenshot(*form, QStringLiteral("main_window_qsl_card"));
}

TEST_F(QslCardTest, NoCardShowsThePlaceholder) {
    press(*form, QStringLiteral("AfricaButton"));
    EXPECT_EQ(shownWhileTurning(QStringLiteral("AF-003")), QStringList(3, picture(kNoQslPicture)));
    EXPECT_FALSE(form->QSLPanel->QSLImage->picture().isNull());
}

TEST_F(QslCardTest, CloseGivesTheMenusBackAndLeavesTheListAsItWas) {
    putCard(QStringLiteral("front.jpg"), QStringLiteral("EU-007f.jpg"));
    press(*form, QStringLiteral("EuropeButton"));
    press(*form, QStringLiteral("RadioButton6"));
    openCardOf(QStringLiteral("EU-007"));
    const int row = form->Table1.RecNo();

    close();

    EXPECT_TRUE(form->QSLPanel->isHidden());
    EXPECT_TRUE(form->QSLPanel->QSLcard->text().isEmpty());
    expectCardMenusEnabled(*form, true);
    EXPECT_EQ(form->Table1.TableName(), QStringLiteral("IOTA-EU"));
    EXPECT_EQ(form->Table1.Filter(), QStringLiteral("Status = '-'"));
    EXPECT_EQ(form->Table1.RecNo(), row);
    EXPECT_TRUE(form->DBGrid1->isVisible());
}

// While the card is on show only its buttons and the enabled menus work: the access keys,
// Tab and Ctrl+Delete of the controls beneath reach nothing.
TEST_F(QslCardTest, TheCardCoversTheWindowForReal) {
    press(*form, QStringLiteral("EuropeButton"));
    press(*form, QStringLiteral("EditMode"));
    activate(*form);
    const int records = form->Table1.RecordCount();
    openCardOf(QStringLiteral("EU-005"));

    // An access key clicks its button a moment after the key.
    QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(form->Table1.TableName(), QStringLiteral("IOTA-EU")) << "Alt+A switched the view behind the card";
    for (int i = 0; i < 12; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(form->QSLPanel->isAncestorOf(focus)) << focus->objectName().toStdString();
        QTest::keyClick(focus, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(form->Table1.RecordCount(), records);
    EXPECT_TRUE(dialogs.asked().empty());

    close();
    activate(*form);
    QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Table1.TableName() == QStringLiteral("IOTA-AF"); }, 1000))
        << "the access keys work again";
}

TEST_F(QslCardTest, DoubleClickInAGroupViewOpensTheCardOfThatRow) {
    putCard(QStringLiteral("back.jpg"), QStringLiteral("EU-115f.jpg"));
    press(*form, QStringLiteral("BritishIsles1"));
    ASSERT_EQ(form->Table1.RecordCount(), 2);

    doubleClickRow(*form, 1);

    EXPECT_TRUE(form->QSLPanel->isVisible());
    EXPECT_EQ(form->QSLPanel->QSLcard->text(), QStringLiteral("EU-115"));
    EXPECT_EQ(form->QSLPanel->shownFile(), picture(QStringLiteral("EU-115f.jpg")));
    expectCardMenusEnabled(*form, false);
}

TEST_F(QslCardTest, MyDetailsAndTheAwardListHaveNoCards) {
    const std::pair<const char*, const char*> views[] = {
        {"My Details", "MyDetailsButton"},
        {"award list", "SpeedButton1"},
        {"claim view", "ClaimAward"},
    };
    for (const auto& [name, view] : views) {
        press(*form, view);
        ASSERT_TRUE(form->DBGrid1->isVisible()) << name;
        doubleClickRow(*form, 0);
        EXPECT_TRUE(form->QSLPanel->isHidden()) << name;
        expectCardMenusEnabled(*form, true);
    }
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(QslCardTest, BrokenPictureIsReportedByNameAndClosingStillWorks) {
    press(*form, QStringLiteral("EuropeButton"));
    for (const QString& broken : {QStringLiteral("corrupt.jpg"), QStringLiteral("truncated.jpg")}) {
        QFile::remove(picture(QStringLiteral("EU-005f.jpg")));
        putCard(broken, QStringLiteral("EU-005f.jpg"));
        dialogs.answerMessage();

        openCardOf(QStringLiteral("EU-005"));

        const QStringList errors = errorBoxTexts(dialogs);
        ASSERT_EQ(errors.size(), 1) << broken.toStdString();
        EXPECT_TRUE(errors.front().contains(QDir::toNativeSeparators(picture(QStringLiteral("EU-005f.jpg")))))
            << errors.front().toStdString();
        EXPECT_TRUE(errors.front().endsWith(u'.'));
        EXPECT_TRUE(form->QSLPanel->isVisible()) << "the panel stays open";
        EXPECT_EQ(form->QSLPanel->QSLcard->text(), QStringLiteral("EU-005"));
        expectCardMenusEnabled(*form, false);
        EXPECT_TRUE(form->DBGrid1->isVisible()) << "the view underneath stays";

        close();

        EXPECT_TRUE(form->QSLPanel->isHidden());
        expectCardMenusEnabled(*form, true);
        dialogs = ScriptedDialogs();
    }
}

TEST_F(QslCardTest, MalformedReferenceNamesNoFileOutsideThePictureFolder) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_FIXTURES "/cards/front.jpg"), program.filePath("ASf.jpg")));
    press(*form, QStringLiteral("AsiaButton"));

    openCardOf(QStringLiteral("../AS"));

    EXPECT_EQ(form->QSLPanel->QSLcard->text(), QStringLiteral("../AS"));
    EXPECT_EQ(form->QSLPanel->shownFile(), picture(kNoQslPicture));
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(QslCardTest, PicturesAreLookedForBesideTheProgramNotInTheWorkingFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(kQslPictureFolder));
    const QString working = QDir(folder.path()).filePath(kQslPictureFolder);
    ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_FIXTURES "/cards/front.jpg"), working + "/NA-001f.jpg"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_FIXTURES "/cards/front.jpg"), working + "/NA-015f.jpg"));
    putCard(QStringLiteral("back.jpg"), QStringLiteral("NA-015f.jpg"));
    press(*form, QStringLiteral("NorthamericaButton"));

    openCardOf(QStringLiteral("NA-001"));
    EXPECT_EQ(form->QSLPanel->shownFile(), picture(kNoQslPicture));
    close();
    openCardOf(QStringLiteral("NA-015"));
    EXPECT_EQ(form->QSLPanel->shownFile(), picture(QStringLiteral("NA-015f.jpg")));
    EXPECT_EQ(form->QSLPanel->cardFiles().QSLBackFile, picture(QStringLiteral("NA-015b.jpg")));
}

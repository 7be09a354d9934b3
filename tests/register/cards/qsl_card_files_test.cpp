#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <vector>

#include "base/paths.h"
#include "register/cards/qsl_card_files.h"
#include "support/files.h"

namespace {

// A program folder with its picture folder, apart from the working folder.
class QslCardFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(program.path()).mkdir(kQslPictureFolder));
        ASSERT_TRUE(QDir(working.path()).mkdir(kQslPictureFolder));
        putPicture(program, kNoQslPicture);
    }

    static void putPicture(const QTemporaryDir& folder, const QString& name) {
        writeFile(QDir(folder.filePath(kQslPictureFolder)).filePath(name), QByteArray());
    }

    QString picture(const QString& name) const { return QDir(program.filePath(kQslPictureFolder)).filePath(name); }

    Paths paths() const { return Paths{working.path(), program.path()}; }

    // The pictures shown on opening and after each of two turns, as the panel does it.
    std::vector<QString> shownWhileTurning(const QString& reference) const {
        const QslCardFiles files = QslCardFiles::forReference(paths(), reference);
        bool frontShown = true;
        std::vector<QString> shown{files.pictureOf(CardSide::Front)};
        for (int turn = 0; turn < 2; ++turn) {
            shown.push_back(files.pictureOf(sideAfterTurn(frontShown)));
            frontShown = !frontShown;
        }
        return shown;
    }

    QTemporaryDir program;
    QTemporaryDir working;
};

TEST_F(QslCardFilesTest, NamesLieInThePictureFolderBesideTheProgram) {
    const QslCardFiles files = QslCardFiles::forReference(paths(), QStringLiteral("EU-005"));
    EXPECT_EQ(files.QSLFrontFile, picture(QStringLiteral("EU-005f.jpg")));
    EXPECT_EQ(files.QSLBackFile, picture(QStringLiteral("EU-005b.jpg")));
    EXPECT_EQ(files.QSLNoneFile, picture(QStringLiteral("noqsl.jpg")));
}

TEST_F(QslCardFilesTest, BackOnlyOpensOnThePlaceholder) {
    putPicture(program, QStringLiteral("NA-001b.jpg"));
    const std::vector<QString> expected{picture(kNoQslPicture), picture(QStringLiteral("NA-001b.jpg")),
                                        picture(kNoQslPicture)};
    EXPECT_EQ(shownWhileTurning(QStringLiteral("NA-001")), expected);
}

TEST_F(QslCardFilesTest, MalformedReferencesNameNoCardFile) {
    // Files that a careless name would reach.
    putPicture(program, QStringLiteral("eu-005f.jpg"));
    putPicture(program, QStringLiteral("EU-5f.jpg"));
    const QString references[] = {
        QStringLiteral("eu-005"),
        QStringLiteral("EU-5"),
        QStringLiteral("EU-0055"),
        QStringLiteral("E1-005"),
        QStringLiteral("EU_005"),
        QStringLiteral(" EU-005"),
        QString(),
        QStringLiteral("../../etc/pa"),
        QStringLiteral("EU-00/"),
    };
    for (const QString& reference : references) {
        const QslCardFiles files = QslCardFiles::forReference(paths(), reference);
        EXPECT_TRUE(files.QSLFrontFile.isEmpty()) << "front of '" << reference.toStdString() << "'";
        EXPECT_TRUE(files.QSLBackFile.isEmpty()) << "back of '" << reference.toStdString() << "'";
        EXPECT_EQ(files.QSLNoneFile, picture(kNoQslPicture));
        EXPECT_EQ(shownWhileTurning(reference), std::vector<QString>(3, picture(kNoQslPicture)))
            << "'" << reference.toStdString() << "'";
    }
}

TEST_F(QslCardFilesTest, CardsInTheWorkingFolderAreNotLookedAt) {
    putPicture(working, QStringLiteral("EU-005f.jpg"));
    EXPECT_EQ(QslCardFiles::forReference(paths(), QStringLiteral("EU-005")).pictureOf(CardSide::Front),
              picture(kNoQslPicture));
}

TEST_F(QslCardFilesTest, AFolderNamedLikeACardIsNoCard) {
    ASSERT_TRUE(QDir(program.filePath(kQslPictureFolder)).mkdir(QStringLiteral("AS-007f.jpg")));
    EXPECT_EQ(QslCardFiles::forReference(paths(), QStringLiteral("AS-007")).pictureOf(CardSide::Front),
              picture(kNoQslPicture));
}

TEST(QslCardTurn, TheBackFollowsTheFrontAndTheFrontTheBack) {
    EXPECT_EQ(sideAfterTurn(true), CardSide::Back);
    EXPECT_EQ(sideAfterTurn(false), CardSide::Front);
}

}  // namespace

// An installed program in PREFIX/bin: the help file and placeholder come from PREFIX/share/skerrydesk
// unless the working folder or the program's folder has them; the pictures stay beside a program
// whose folder can be written and move to the user's data folder where it cannot.
TEST(InstalledProgramFiles, ComeFromShareAndTheUserDataFolder) {
    QTemporaryDir prefix;
    QTemporaryDir working;
    QTemporaryDir userData;
    const QDir share(prefix.filePath(QStringLiteral("share/skerrydesk")));
    ASSERT_TRUE(QDir().mkpath(share.path()) && QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    for (const QString& name : {QStringLiteral("SKERRYDESK.HLP"), kNoQslPicture})
        writeFile(share.filePath(name), QByteArray());
    const Paths installed{working.path(), prefix.filePath(QStringLiteral("bin")), userData.path()};
    const QString pictures = prefix.filePath(QStringLiteral("bin/QSLimages"));

    EXPECT_EQ(installed.programFile(QStringLiteral("SKERRYDESK.HLP")),
              share.filePath(QStringLiteral("SKERRYDESK.HLP")));
    const QslCardFiles files = QslCardFiles::forReference(installed, QStringLiteral("EU-005"));
    EXPECT_EQ(files.QSLNoneFile, share.filePath(kNoQslPicture));
    EXPECT_EQ(files.QSLFrontFile, QDir(pictures).filePath(QStringLiteral("EU-005f.jpg")));

    writeFile(working.filePath(QStringLiteral("SKERRYDESK.HLP")), QByteArray());
    EXPECT_EQ(installed.programFile(QStringLiteral("SKERRYDESK.HLP")),
              working.filePath(QStringLiteral("SKERRYDESK.HLP")))
        << "the working folder's help file comes first";

    // A program folder that cannot be written: here one that is gone.
    const Paths unwritable{working.path(), prefix.filePath(QStringLiteral("gone/bin")), userData.path()};
    EXPECT_EQ(QslCardFiles::forReference(unwritable, QStringLiteral("EU-005")).QSLFrontFile,
              userData.filePath(QStringLiteral("QSLimages/EU-005f.jpg")));
}

#pragma once

#include <QString>

struct Paths;

// The folder beside the program file that holds the scanned QSL cards (in the user's data folder
// when the program's folder cannot be written), and its placeholder.
inline const QString kQslPictureFolder = QStringLiteral("QSLimages");
inline const QString kNoQslPicture = QStringLiteral("noqsl.jpg");

enum class CardSide { Front, Back };

// The picture files of the QSL card of one reference: R + "f.jpg" and R + "b.jpg" in the
// picture folder beside the program file (not the working folder), and the placeholder. A
// reference that is not well-formed names no card file, so no record value can point outside
// the folder; both its sides show the placeholder.
struct QslCardFiles {
    QString QSLFrontFile;
    QString QSLBackFile;
    QString QSLNoneFile;

    static QslCardFiles forReference(const Paths& paths, const QString& reference);

    // The picture that shows a side: the side's file when it is on file, else the placeholder.
    QString pictureOf(CardSide side) const;
};

// The side "&Turn" brings up: the back while the front is shown, the front otherwise.
CardSide sideAfterTurn(bool frontShown);

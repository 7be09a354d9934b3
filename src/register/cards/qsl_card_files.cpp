#include "register/cards/qsl_card_files.h"

#include <QDir>
#include <QFileInfo>

#include "base/paths.h"
#include "register/iota_list.h"

QslCardFiles QslCardFiles::forReference(const Paths& paths, const QString& reference) {
    const QDir folder(paths.writableBesideProgram(kQslPictureFolder));
    QslCardFiles files;
    // An installed program has no picture folder of its own holding the placeholder.
    files.QSLNoneFile = Paths::firstExisting({folder.filePath(kNoQslPicture), paths.installedData(kNoQslPicture)});
    if (isWellFormedReference(reference)) {
        files.QSLFrontFile = folder.filePath(reference + QStringLiteral("f.jpg"));
        files.QSLBackFile = folder.filePath(reference + QStringLiteral("b.jpg"));
    }
    return files;
}

QString QslCardFiles::pictureOf(CardSide side) const {
    const QString& file = side == CardSide::Front ? QSLFrontFile : QSLBackFile;
    return !file.isEmpty() && QFileInfo(file).isFile() ? file : QSLNoneFile;
}

CardSide sideAfterTurn(bool frontShown) {
    return frontShown ? CardSide::Back : CardSide::Front;
}

#include "support/spoilt_database.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

QByteArray randomBytes(qint64 size) {
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) byte = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

}  // namespace

std::vector<SpoiltDatabase> spoiltDatabases() {
    return {
        {"zeroed", [](const QString& file) { writeFile(file, QByteArray(QFileInfo(file).size(), '\0')); },
         "is not a Skerrydesk database"},
        {"random bytes", [](const QString& file) { writeFile(file, randomBytes(QFileInfo(file).size())); },
         "is not a Skerrydesk database"},
        {"empty", [](const QString& file) { writeFile(file, QByteArray()); }, "is empty"},
        {"missing", [](const QString& file) { QFile::remove(file); }, "holds no database", true},
    };
}

QStringList movedAsideFiles(const QString& dataFolder) {
    return QDir(dataFolder).entryList({QStringLiteral("skerrydesk.db.damaged-*")}, QDir::Files);
}

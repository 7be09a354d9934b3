#include "support/spoilt_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

void overwriteWhole(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
}

QByteArray randomBytes(qint64 size) {
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) byte = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

}  // namespace

std::vector<SpoiltDatabase> spoiltDatabases() {
    return {
        {"zeroed", [](const QString& file) { overwriteWhole(file, QByteArray(QFileInfo(file).size(), '\0')); },
         "is not a Skerrydesk database"},
        {"random bytes", [](const QString& file) { overwriteWhole(file, randomBytes(QFileInfo(file).size())); },
         "is not a Skerrydesk database"},
        {"empty", [](const QString& file) { overwriteWhole(file, QByteArray()); }, "is empty"},
        {"missing", [](const QString& file) { QFile::remove(file); }, "holds no database", true},
    };
}

QStringList movedAsideFiles(const QString& dataFolder) {
    return QDir(dataFolder).entryList({QStringLiteral("skerrydesk.db.damaged-*")}, QDir::Files);
}

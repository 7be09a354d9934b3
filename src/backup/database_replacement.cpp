#include "backup/database_replacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "backup/backup_copy.h"
#include "base/failure.h"
#include "register/store/database.h"

namespace backup {

namespace {

// The files SQLite keeps beside a database: they belong to it and go aside with it, or they
// would be replayed into the copy put in its place.
const QString kLogSuffixes[] = {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};

QString asideName(const QString& databaseFile, const Clock& clock) {
    const QString stem =
        databaseFile + QStringLiteral(".damaged-") + clock.now().toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss"));
    QString name = stem;
    for (int number = 2; QFileInfo::exists(name); ++number) name = stem + u'.' + QString::number(number);
    return name;
}

void moveFile(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw Failure(QStringLiteral("Cannot move the damaged database %1 aside: %2")
                          .arg(QDir::toNativeSeparators(from), QString::fromLocal8Bit(std::strerror(errno))));
}

// The log files first: the database itself goes last, so that a failure leaves it where it was.
void moveAside(const QString& databaseFile, const QString& aside) {
    for (const QString& suffix : kLogSuffixes)
        if (QFileInfo::exists(databaseFile + suffix)) moveFile(databaseFile + suffix, aside + suffix);
    if (QFileInfo::exists(databaseFile)) moveFile(databaseFile, aside);
}

bool anyFileThere(const QString& databaseFile) {
    for (const QString& suffix : kLogSuffixes)
        if (QFileInfo::exists(databaseFile + suffix)) return true;
    return QFileInfo::exists(databaseFile);
}

}  // namespace

bool databaseIsSound(store::Database& db) {
    const QFileInfo file(db.fileName());
    if (!file.isFile() || file.size() == 0) return false;
    try {
        store::Statement& check = db.prepare(QStringLiteral("PRAGMA quick_check"));
        const bool sound = check.step() && check.columnText(0) == QLatin1String("ok") && !check.step();
        check.reset();
        return sound;
    } catch (const store::DamagedDatabaseFailure&) {
        db.close();
        return false;
    }
}

QString replaceDatabase(store::Database& db, const QString& backupFile, const Clock& clock) {
    db.close();
    const QString databaseFile = db.fileName();
    const QString aside = anyFileThere(databaseFile) ? asideName(databaseFile, clock) : QString();
    placeCopyOfFile(backupFile, databaseFile, [&] { moveAside(databaseFile, aside); });
    return aside;
}

}  // namespace backup

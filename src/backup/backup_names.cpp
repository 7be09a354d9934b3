#include "backup/backup_names.h"

#include <QRegularExpression>

namespace backup {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH-mm-ss");
const QString kSuffix = QStringLiteral(".db");

}  // namespace

QString BackupName::id() const {
    const QString number = sequence > 1 ? u'.' + QString::number(sequence) : QString();
    return time.toString(kTimeFormat) + number + u' ' + command;
}

QString BackupName::fileName() const {
    return id() + kSuffix;
}

bool BackupName::newerThan(const BackupName& other) const {
    if (time != other.time) return time > other.time;
    return sequence > other.sequence;
}

std::optional<BackupName> parseBackupFileName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d)(?:\\.(\\d+))? ([a-z0-9-]+)\\.db$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch()) return std::nullopt;
    BackupName name;
    name.time = QDateTime::fromString(match.captured(1), kTimeFormat);
    if (!name.time.isValid()) return std::nullopt;
    name.sequence = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    name.command = match.captured(3);
    return name;
}

QString commandInFileName(const QString& command) {
    QString name;
    for (const QChar c : command.toLower()) name += (c.isLetterOrNumber() && c.unicode() < 128) ? c : u'-';
    return name.isEmpty() ? QStringLiteral("backup") : name;
}

}  // namespace backup

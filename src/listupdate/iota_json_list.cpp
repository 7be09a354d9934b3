#include "listupdate/iota_json_list.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/failure.h"
#include "base/text_file.h"

namespace {

// The words of a deletion mark, compared without regard to case.
const QStringList kDeletedStatuses = {QStringLiteral("D"), QStringLiteral("deleted")};
const QStringList kTrueWords = {QStringLiteral("1"), QStringLiteral("true"), QStringLiteral("yes")};

Failure listFailure(const QString& fileName, const QString& fault) {
    return Failure(QStringLiteral("Cannot read the IOTA list %1: %2").arg(QDir::toNativeSeparators(fileName), fault));
}

std::optional<QString> textField(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) return std::nullopt;
    return value.toString();
}

// A share given as a number or as the text of one, as lists written by scripts do.
std::optional<double> numberField(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isDouble()) return value.toDouble();
    bool isNumber = false;
    const double number = value.toString().trimmed().toDouble(&isNumber);
    if (value.isString() && isNumber) return number;
    return std::nullopt;
}

bool containsWord(const QStringList& words, const QString& text) {
    return words.contains(text.trimmed(), Qt::CaseInsensitive);
}

bool hasDeletedStatus(const QJsonObject& object) {
    const std::optional<QString> status = textField(object, "status");
    return status && containsWord(kDeletedStatuses, *status);
}

bool isTrueMark(const QJsonValue& value) {
    if (value.isBool()) return value.toBool();
    if (value.isDouble()) return value.toDouble() == 1;
    return value.isString() && containsWord(kTrueWords, value.toString());
}

bool allSubGroupsDeleted(const QJsonObject& group) {
    const QJsonArray subGroups = group.value(QLatin1String("sub_groups")).toArray();
    if (subGroups.isEmpty()) return false;
    for (const QJsonValue& subGroup : subGroups)
        if (!hasDeletedStatus(subGroup.toObject())) return false;
    return true;
}

IotaGroup readGroup(const QJsonObject& object) {
    IotaGroup group;
    group.reference = textField(object, "refno").value_or(QString()).trimmed().toUpper();
    group.name = textField(object, "name");
    group.credited = numberField(object, "pc_credited");
    group.deleted =
        isTrueMark(object.value(QLatin1String("deleted"))) || hasDeletedStatus(object) || allSubGroupsDeleted(object);
    return group;
}

}  // namespace

IotaJsonList parseIotaJsonList(const QByteArray& bytes, const QString& fileName) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw listFailure(fileName, QStringLiteral("it is no valid JSON (%1 at byte %2); choose the award programme's "
                                                   "groups.json or fulllist.json")
                                        .arg(error.errorString())
                                        .arg(error.offset));
    if (!document.isArray())
        throw listFailure(fileName, QStringLiteral("it holds no list of groups (a JSON array); choose the award "
                                                   "programme's groups.json or fulllist.json"));
    IotaJsonList list;
    const QJsonArray entries = document.array();
    bool anyReference = false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!entries[i].isObject())
            throw listFailure(fileName, QStringLiteral("entry %1 of the list is no group (a JSON object)").arg(i + 1));
        list.groups.push_back(readGroup(entries[i].toObject()));
        anyReference = anyReference || !list.groups.back().reference.isEmpty();
    }
    if (!anyReference)
        throw listFailure(fileName, QStringLiteral("none of its entries has a \"refno\", so it is no IOTA list; "
                                                   "choose the award programme's groups.json or fulllist.json"));
    return list;
}

IotaJsonList readIotaJsonList(const QString& fileName) {
    requireRegularFile(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw listFailure(fileName, file.errorString());
    if (file.size() > kMaxIotaListBytes)
        throw listFailure(fileName, QStringLiteral("the file is larger than %1 MiB, more than the award programme's "
                                                   "list ever is; choose the right file")
                                        .arg(kMaxIotaListBytes / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw listFailure(fileName, file.errorString());
    return parseIotaJsonList(bytes, fileName);
}

#include "listupdate/iota_json_list.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <charconv>

#include "base/failure.h"
#include "base/text_file.h"
#include "listupdate/json_scanner.h"
#include "register/codes.h"

namespace {

// The words of a deletion mark, compared without regard to case.
const QStringList kDeletedStatuses = {QStringLiteral("D"), QStringLiteral("deleted")};
const QStringList kTrueWords = {QStringLiteral("1"), QStringLiteral("true"), QStringLiteral("yes")};

// The programme's group awards by their "grp_region", with the group codes of ABW.
struct GroupRegion {
    QLatin1StringView region;
    const QString& code;
};

const GroupRegion kGroupRegions[] = {
    {QLatin1StringView("AI"), group::Arctic},
    {QLatin1StringView("BI"), group::BritishIsles},
    {QLatin1StringView("WI"), group::WestIndies},
    {QLatin1StringView(""), group::None},
};

Failure listFailure(const QString& fileName, const QString& fault) {
    return Failure(QStringLiteral("Cannot read the IOTA list %1: %2").arg(QDir::toNativeSeparators(fileName), fault));
}

std::optional<QString> textField(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) return std::nullopt;
    return value.toString().trimmed();
}

std::optional<QString> nonEmpty(const std::optional<QString>& text) {
    if (!text || text->isEmpty()) return std::nullopt;
    return text;
}

// The number a text such as "-10.75" or "+37.2" holds, blanks around it allowed. Read with
// from_chars: QString::toDouble would take most of the time the whole list's fields take.
std::optional<double> decimalNumber(const QString& text) {
    QByteArray latin1 = text.trimmed().toLatin1();
    if (latin1.startsWith('+')) latin1.remove(0, 1);
    double number = 0;
    const auto [end, error] = std::from_chars(latin1.cbegin(), latin1.cend(), number);
    if (latin1.isEmpty() || error != std::errc() || end != latin1.cend()) return std::nullopt;
    return number;
}

// A number given as such or as the text of one, as lists written by scripts do.
std::optional<double> numberField(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isDouble()) return value.toDouble();
    if (!value.isString()) return std::nullopt;
    return decimalNumber(value.toString());
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

// The group code of the group's "grp_region"; a region the programme does not use is refused,
// as a list that has it is no list of the programme.
std::optional<QString> groupCode(const QJsonObject& object, const QString& groupName, const QString& fileName) {
    const std::optional<QString> region = textField(object, "grp_region");
    if (!region) return std::nullopt;
    for (const GroupRegion& known : kGroupRegions)
        if (region->compare(known.region, Qt::CaseInsensitive) == 0) return known.code;
    throw listFailure(fileName, QStringLiteral("the group %1 has the grp_region \"%2\", which the award programme does "
                                               "not use (AI, BI, WI or empty); nothing was changed")
                                    .arg(groupName, *region));
}

std::optional<QString> dxccField(const QJsonObject& object) {
    const QJsonValue value = object.value(QLatin1String("dxcc_num"));
    if (value.isDouble()) return dxccNumbers(QString::number(value.toDouble(), 'g', 10));
    if (!value.isString()) return std::nullopt;
    return dxccNumbers(value.toString());
}

std::optional<GroupBox> boxField(const QJsonObject& object) {
    std::optional<double> edges[4];
    const char* const keys[] = {"latitude_min", "latitude_max", "longitude_min", "longitude_max"};
    for (int i = 0; i < 4; ++i)
        if (!(edges[i] = numberField(object, keys[i]))) return std::nullopt;
    return boxFromEdges(*edges[0], *edges[1], *edges[2], *edges[3]);
}

// The members of a group that its reading looks at; the rest (a sub-group's islands above all)
// is skipped unread.
const QLatin1StringView kGroupMembers[] = {
    QLatin1StringView("refno"),         QLatin1StringView("name"),          QLatin1StringView("pc_credited"),
    QLatin1StringView("deleted"),       QLatin1StringView("status"),        QLatin1StringView("grp_region"),
    QLatin1StringView("dxcc_num"),      QLatin1StringView("latitude_min"),  QLatin1StringView("latitude_max"),
    QLatin1StringView("longitude_min"), QLatin1StringView("longitude_max"),
};
const QLatin1StringView kSubGroups("sub_groups");
const QLatin1StringView kStatus("status");

// A sub-group as far as its deletion mark: its "status", or what stands in for something other
// than an object.
QJsonValue readSubGroup(JsonScanner& json) {
    if (!json.atObject()) return json.readValue();
    QJsonObject subGroup;
    json.readObject([&](const JsonKey& key) {
        if (key.is(kStatus))
            subGroup.insert(kStatus, json.readValue());
        else
            json.skipValue();
    });
    return subGroup;
}

QJsonValue readSubGroups(JsonScanner& json) {
    if (!json.atArray()) return json.readValue();
    QJsonArray subGroups;
    json.readArray([&] { subGroups.append(readSubGroup(json)); });
    return subGroups;
}

// The group's members that its reading looks at, as an object; a later member of the same name
// replaces an earlier one, as in a QJsonObject read whole.
QJsonObject readGroupFields(JsonScanner& json) {
    QJsonObject group;
    json.readObject([&](const JsonKey& key) {
        if (key.is(kSubGroups)) {
            group.insert(kSubGroups, readSubGroups(json));
            return;
        }
        for (const QLatin1StringView name : kGroupMembers)
            if (key.is(name)) {
                group.insert(name, json.readValue());
                return;
            }
        json.skipValue();
    });
    return group;
}

// The entry's number names a group without a reference.
IotaGroup readGroup(const QJsonObject& object, qsizetype entry, const QString& fileName) {
    IotaGroup group;
    group.reference = textField(object, "refno").value_or(QString()).toUpper();
    group.name = nonEmpty(textField(object, "name"));
    group.credited = numberField(object, "pc_credited");
    group.deleted =
        isTrueMark(object.value(QLatin1String("deleted"))) || hasDeletedStatus(object) || allSubGroupsDeleted(object);
    const QString groupName =
        group.reference.isEmpty() ? QStringLiteral("of entry %1").arg(entry + 1) : group.reference;
    group.group = groupCode(object, groupName, fileName);
    group.dxcc = dxccField(object);
    group.box = boxField(object);
    return group;
}

}  // namespace

IotaJsonList parseIotaJsonList(const QByteArray& bytes, const QString& fileName) {
    IotaJsonList list;
    // The first entry that is no group or has a region of no award programme is refused only once
    // the whole text has proved to be JSON, whose faults come first.
    std::optional<Failure> entryFault;
    try {
        JsonScanner json(bytes);
        if (!json.openDocumentArray()) {
            json.closeDocument();
            throw listFailure(fileName, QStringLiteral("it holds no list of groups (a JSON array); choose the award "
                                                       "programme's groups.json or fulllist.json"));
        }
        qsizetype entry = 0;
        json.readArrayElements([&] {
            if (entryFault) {
                json.skipValue();
            } else if (!json.atObject()) {
                json.skipValue();
                entryFault = listFailure(
                    fileName, QStringLiteral("entry %1 of the list is no group (a JSON object)").arg(entry + 1));
            } else {
                const QJsonObject object = readGroupFields(json);
                try {
                    list.groups.push_back(readGroup(object, entry, fileName));
                } catch (const Failure& failure) {
                    entryFault = failure;
                }
            }
            ++entry;
        });
        json.closeDocument();
    } catch (const JsonFault& fault) {
        throw listFailure(fileName, QStringLiteral("it is no valid JSON (%1 at byte %2); choose the award programme's "
                                                   "groups.json or fulllist.json")
                                        .arg(fault.error.errorString())
                                        .arg(fault.error.offset));
    }
    if (entryFault) throw *entryFault;
    const bool anyReference = std::any_of(list.groups.begin(), list.groups.end(),
                                          [](const IotaGroup& group) { return !group.reference.isEmpty(); });
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

bool looksLikeJson(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // A list update text opens with a title line; a few KiB hold the start of either.
    const QByteArray start = file.read(4096);
    const QByteArrayView text =
        start.startsWith("\xEF\xBB\xBF") ? QByteArrayView(start).sliced(3) : QByteArrayView(start);
    const QByteArrayView opening = text.trimmed();
    return opening.startsWith('[') || opening.startsWith('{');
}

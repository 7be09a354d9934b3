#include "listupdate/iota_json_list.h"

#include <QDir>
#include <QFile>
#include <QVarLengthArray>
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

// The members of a group that its reading looks at, each as the last member of its name gives
// it (as in a document read whole); the rest, the sub-groups' islands above all, is skipped unread.
struct GroupMembers {
    JsonValue reference;
    JsonValue name;
    JsonValue credited;
    JsonValue deleted;
    JsonValue status;
    JsonValue region;
    JsonValue dxcc;
    JsonValue edges[4];  // latitude_min, latitude_max, longitude_min, longitude_max
    // It has sub_groups, and every one of them is marked deleted by its "status".
    bool subGroupsDeleted = false;
};

const struct {
    QLatin1StringView name;
    JsonValue GroupMembers::*value;
} kGroupMembers[] = {
    {QLatin1StringView("refno"), &GroupMembers::reference},
    {QLatin1StringView("name"), &GroupMembers::name},
    {QLatin1StringView("pc_credited"), &GroupMembers::credited},
    {QLatin1StringView("deleted"), &GroupMembers::deleted},
    {QLatin1StringView("status"), &GroupMembers::status},
    {QLatin1StringView("grp_region"), &GroupMembers::region},
    {QLatin1StringView("dxcc_num"), &GroupMembers::dxcc},
};
const QLatin1StringView kEdgeMembers[] = {QLatin1StringView("latitude_min"), QLatin1StringView("latitude_max"),
                                          QLatin1StringView("longitude_min"), QLatin1StringView("longitude_max")};
const QLatin1StringView kSubGroups("sub_groups");
const QLatin1StringView kStatus("status");

std::optional<QString> textField(const JsonValue& value) {
    if (value.kind != JsonValue::Kind::String) return std::nullopt;
    return value.text.trimmed();
}

std::optional<QString> nonEmpty(const std::optional<QString>& text) {
    if (!text || text->isEmpty()) return std::nullopt;
    return text;
}

// The number a text such as "-10.75" or "+37.2" holds, blanks around it allowed. Read with
// from_chars from the characters on the stack: QString::toDouble, or a copy of each text, would
// take most of the time the whole list's fields take.
std::optional<double> decimalNumber(const QString& text) {
    QStringView number = QStringView(text).trimmed();
    if (number.startsWith(u'+')) number = number.sliced(1);
    QVarLengthArray<char, 32> ascii;
    for (const QChar c : number) {
        if (c.unicode() >= 0x80) return std::nullopt;
        ascii.append(char(c.unicode()));
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.cbegin(), ascii.cend(), value);
    if (ascii.isEmpty() || error != std::errc() || end != ascii.cend()) return std::nullopt;
    return value;
}

// A number given as such or as the text of one, as lists written by scripts do.
std::optional<double> numberField(const JsonValue& value) {
    if (value.kind == JsonValue::Kind::Number) return value.number;
    if (value.kind != JsonValue::Kind::String) return std::nullopt;
    return decimalNumber(value.text);
}

bool containsWord(const QStringList& words, const QString& text) {
    return words.contains(text.trimmed(), Qt::CaseInsensitive);
}

bool isDeletedStatus(const JsonValue& status) {
    const std::optional<QString> text = textField(status);
    return text && containsWord(kDeletedStatuses, *text);
}

bool isTrueMark(const JsonValue& value) {
    switch (value.kind) {
        case JsonValue::Kind::True:
            return true;
        case JsonValue::Kind::Number:
            return value.number == 1;
        case JsonValue::Kind::String:
            return containsWord(kTrueWords, value.text);
        default:
            return false;
    }
}

// The group code of the group's "grp_region"; a region the programme does not use is refused,
// as a list that has it is no list of the programme.
std::optional<QString> groupCode(const JsonValue& value, const QString& groupName, const QString& fileName) {
    const std::optional<QString> region = textField(value);
    if (!region) return std::nullopt;
    for (const GroupRegion& known : kGroupRegions)
        if (region->compare(known.region, Qt::CaseInsensitive) == 0) return known.code;
    throw listFailure(fileName, QStringLiteral("the group %1 has the grp_region \"%2\", which the award programme does "
                                               "not use (AI, BI, WI or empty); nothing was changed")
                                    .arg(groupName, *region));
}

std::optional<QString> dxccField(const JsonValue& value) {
    if (value.kind == JsonValue::Kind::Number) return dxccNumbers(QString::number(value.number, 'g', 10));
    if (value.kind != JsonValue::Kind::String) return std::nullopt;
    return dxccNumbers(value.text);
}

std::optional<GroupBox> boxField(const GroupMembers& members) {
    std::optional<double> edges[4];
    for (int i = 0; i < 4; ++i)
        if (!(edges[i] = numberField(members.edges[i]))) return std::nullopt;
    return boxFromEdges(*edges[0], *edges[1], *edges[2], *edges[3]);
}

// A sub-group that is an object and whose last "status" marks it deleted.
bool readDeletedSubGroup(JsonScanner& json) {
    if (!json.atObject()) {
        json.skipValue();
        return false;
    }
    JsonValue status;
    json.readObject([&](const JsonKey& key) {
        if (key.is(kStatus))
            status = json.readValue();
        else
            json.skipValue();
    });
    return isDeletedStatus(status);
}

// Sub-groups that are an array of at least one, each marked deleted.
bool readDeletedSubGroups(JsonScanner& json) {
    if (!json.atArray()) {
        json.skipValue();
        return false;
    }
    bool any = false;
    bool all = true;
    json.readArray([&] {
        any = true;
        all = readDeletedSubGroup(json) && all;
    });
    return any && all;
}

void readGroupMember(JsonScanner& json, const JsonKey& key, GroupMembers& members) {
    if (key.is(kSubGroups)) {
        members.subGroupsDeleted = readDeletedSubGroups(json);
        return;
    }
    for (const auto& member : kGroupMembers)
        if (key.is(member.name)) {
            members.*member.value = json.readValue();
            return;
        }
    for (int i = 0; i < 4; ++i)
        if (key.is(kEdgeMembers[i])) {
            members.edges[i] = json.readValue();
            return;
        }
    json.skipValue();
}

GroupMembers readGroupMembers(JsonScanner& json) {
    GroupMembers members;
    json.readObject([&](const JsonKey& key) { readGroupMember(json, key, members); });
    return members;
}

// The entry's number names a group without a reference.
IotaGroup readGroup(const GroupMembers& members, qsizetype entry, const QString& fileName) {
    IotaGroup group;
    group.reference = textField(members.reference).value_or(QString()).toUpper();
    group.name = nonEmpty(textField(members.name));
    group.credited = numberField(members.credited);
    group.deleted = isTrueMark(members.deleted) || isDeletedStatus(members.status) || members.subGroupsDeleted;
    const QString groupName =
        group.reference.isEmpty() ? QStringLiteral("of entry %1").arg(entry + 1) : group.reference;
    group.group = groupCode(members.region, groupName, fileName);
    group.dxcc = dxccField(members.dxcc);
    group.box = boxField(members);
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
                const GroupMembers members = readGroupMembers(json);
                try {
                    list.groups.push_back(readGroup(members, entry, fileName));
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

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <random>

#include "listupdate/json_scanner.h"

namespace {

// The whole document through the scanner, every value skipped: its fault, or none.
QJsonParseError scannerVerdict(const QByteArray& text) {
    JsonScanner json(text);
    try {
        if (json.openDocumentArray()) json.readArrayElements([&] { json.skipValue(); });
        json.closeDocument();
    } catch (const JsonFault& fault) {
        return fault.error;
    }
    return QJsonParseError{0, QJsonParseError::NoError};
}

QJsonParseError qtVerdict(const QByteArray& text) {
    QJsonParseError error;
    QJsonDocument::fromJson(text, &error);
    return error;
}

std::string shown(const QJsonParseError& error) {
    return (error.errorString() + QStringLiteral(" at byte %1").arg(error.offset)).toStdString();
}

// The scanner refuses what QJsonDocument refuses, with the same fault at the same byte, and
// takes what it takes.
void expectSameVerdict(const QByteArray& text) {
    EXPECT_EQ(shown(scannerVerdict(text)), shown(qtVerdict(text))) << text.left(200).toStdString();
}

// A group as the programme's fulllist.json writes it, with what a hand-made list may hold too.
const QByteArray kSample = R"([
  {"refno": "EU-005", "name": "Great Britain \u00e9\ud83d\ude00 \"quoted\" \\ \/ \b\f\n\r\t \x",
   "dxcc_num": 223, "latitude_max": -58.67e0, "pc_credited": 1.5E+1, "deleted": false, "status": null,
   "grp_region": "BI", "whitelist": true, "sub_groups": [
    {"subref": "EU-005-0-0", "subname": "Ynys Môn", "status": "Active", "islands": [
      {"id": "12428", "island_name": "Anglesey", "comment": "", "excluded": "0"},
      {"id": 493, "island_name": "Skerries \u2014 ±", "comment": [], "excluded": {}}]}]},
  {"refno": "AF-001", "name": "Agalega", "sub_groups": []}
]
)";

TEST(JsonScanner, RefusesWhatQtRefusesAtTheSameByte) {
    const char* const texts[] = {
        "",
        " ",
        "\xEF\xBB\xBF",
        "\xEF\xBB\xBF[]",
        "\xEF\xBB\xBF{",
        "3",
        "\"a\"",
        "null",
        "[",
        "[ ",
        "[]",
        "[ ] x",
        "[1]\0",
        "{}",
        "{\"a\":[1,{\"b\":null}]}",
        "[-]",
        "[-.5]",
        "[.5]",
        "[1.]",
        "[1e]",
        "[1e+]",
        "[1e400]",
        "[1e-400]",
        "[+1]",
        "[01]",
        "[0x1]",
        "[Infinity]",
        "[-0]",
        "[1E5]",
        "[9223372036854775808]",
        "[1 2]",
        "[1,]",
        "[,1]",
        "[1]]",
        "[tru]",
        "[true1]",
        "[nul]",
        "[null",
        "[n",
        "[fals]",
        "[\"\\x\"]",
        "[\"\\",
        "[\"\\x",
        "[\"",
        "[\"a\"",
        "[\"a",
        "[\"a\\u00\"]",
        "[\"a\\u00g0\"]",
        "[\"\\ud800\"]",
        "[\"\x01\"]",
        "[\"\\\xC3\xA9\"]",
        "[\"\\\xE9\"]",
        "[\"\xED\xA0\x80\"]",
        "[\"\xEF\xBF\xBE\"]",
        "[\"\xF4\x90\x80\x80\"]",
        "[\"\xC0\x80\"]",
        "[\"\xE2\x82\"]",
        "[\"\xE2\x82",
        "{\"a\"",
        "{\"a\":",
        "{\"a\" 1}",
        "{\"a\":1 \"b\":2}",
        "{\"a\":1,}",
        "{\"a\":1,1}",
        "{,}",
        "{\"a\":1,\"a\":2}",
        "[{\"a\":}]",
        "[{]",
        "[}",
        "[:]",
        "[\x0B"
        "1]",
    };
    for (const char* text : texts) expectSameVerdict(QByteArray(text));
    expectSameVerdict(QByteArray("[1]\0", 4));
}

TEST(JsonScanner, RefusesEveryCutAndEveryDamageOfAListAsQtDoes) {
    expectSameVerdict(kSample);
    for (qsizetype cut = 0; cut < kSample.size(); ++cut) expectSameVerdict(kSample.left(cut));
    // Bytes that break JSON in every way: its punctuation, escapes, digits, broken UTF-8.
    const QByteArray damage("[]{}\",:\\u0-.eE+tnfa \t\x01\x7F\x80\xC3\xE2\xED\xF4\xFF", 33);
    std::mt19937 draw(31);
    for (int round = 0; round < 3000; ++round) {
        QByteArray text = kSample;
        for (int change = 1 + int(draw() % 3); change > 0; --change) {
            const qsizetype at = qsizetype(draw() % quint32(text.size()));
            const char byte = damage[qsizetype(draw() % quint32(damage.size()))];
            switch (draw() % 3) {
                case 0:
                    text[at] = byte;
                    break;
                case 1:
                    text.insert(at, byte);
                    break;
                default:
                    text.remove(at, 1);
            }
        }
        expectSameVerdict(text);
    }
}

TEST(JsonScanner, NestsAsDeepAsQtAndNoDeeper) {
    for (const int depth : {1024, 1025, 100000}) {
        const QByteArray arrays = QByteArray(depth, '[') + QByteArray(depth, ']');
        const QByteArray objects =
            "[" + QByteArray("{\"a\":").repeated(depth - 1) + "1" + QByteArray(depth - 1, '}') + "]";
        expectSameVerdict(arrays);
        expectSameVerdict(objects);
    }
    EXPECT_EQ(scannerVerdict(QByteArray(1025, '[') + QByteArray(1025, ']')).error, QJsonParseError::DeepNesting);
}

// A value with its type, a number with its sign and every digit; a container only by its kind.
std::string described(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::String:
            return "string " + value.toString().toStdString();
        case QJsonValue::Double:
            return QStringLiteral("number %1").arg(value.toDouble(), 0, 'g', 17).toStdString() +
                   (std::signbit(value.toDouble()) ? " negative" : "");
        case QJsonValue::Bool:
            return value.toBool() ? "true" : "false";
        case QJsonValue::Array:
            return "array";
        case QJsonValue::Object:
            return "object";
        default:
            return "null";
    }
}

std::string described(const JsonValue& value) {
    switch (value.kind) {
        case JsonValue::Kind::String:
            return described(QJsonValue(value.text));
        case JsonValue::Kind::Number:
            return described(QJsonValue(value.number));
        case JsonValue::Kind::True:
            return "true";
        case JsonValue::Kind::False:
            return "false";
        case JsonValue::Kind::Array:
            return "array";
        case JsonValue::Kind::Object:
            return "object";
        default:
            return "null";
    }
}

// The values read are those QJsonDocument holds: escapes and surrogate pairs, numbers as Qt
// converts them, literals; an array or object read as a value stands only as its kind.
TEST(JsonScanner, ReadsValuesAsQtHoldsThem) {
    const QByteArray text = R"([
        "plain", "caf\u00e9 \u00E9", "\ud83d\ude00 pair", "\ud800 lone", "\x unknown \q", "tab\there\/",
        "Ynys Môn — ±", "\"\\", "",
        0, -0, -0.0, 1, -17, 1.5, 37.2, 1e2, 1.0, -1.5E-3, 9223372036854775807, 9223372036854775808,
        -9223372036854775808, 123456789012345678901234567890, 5e-324, 1.7976931348623157e308,
        true, false, null, [1, [2]], {"a": {"b": [3]}}
    ])";
    JsonScanner json(text);
    std::vector<JsonValue> read;
    ASSERT_TRUE(json.openDocumentArray());
    json.readArrayElements([&] { read.push_back(json.readValue()); });
    json.closeDocument();
    const QJsonArray expected = QJsonDocument::fromJson(text).array();
    ASSERT_EQ(qsizetype(read.size()), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) EXPECT_EQ(described(read[size_t(i)]), described(expected[i])) << i;
    EXPECT_EQ(read[2].text, QString::fromUcs4(U"\U0001F600 pair"));
    EXPECT_EQ(read[3].text, QString(QChar(0xD800)) + " lone");
}

// Members are told by their names with the escapes read, and a name is matched whole.
TEST(JsonScanner, TellsMembersByTheirReadNames) {
    const QByteArray text = R"({"refno": 1, "ref\u006eo": 2, "refno ": 3, "REFNO": 4, "ref": 5, "\u0072efno": 6})";
    JsonScanner json(text);
    QList<int> refno;
    ASSERT_FALSE(json.openDocumentArray()) << "an object is read and skipped";
    JsonScanner members(text);
    members.readObject([&](const JsonKey& key) {
        const JsonValue value = members.readValue();
        if (key.is(QLatin1StringView("refno"))) refno << int(value.number);
    });
    EXPECT_EQ(refno, (QList<int>{1, 2, 6}));
}

}  // namespace

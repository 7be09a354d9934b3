#include "logimport/upf_import.h"

#include <QByteArrayView>
#include <QHash>
#include <vector>

#include "logimport/upf_line.h"
#include "register/codes.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

constexpr int kGaugeStepPerPass = 14;
constexpr int kNoWord = -1;

// The fields a contact writes, looked up once the pass has its table open.
struct ContactFields {
    explicit ContactFields(store::Table& table)
        : call(table.FieldByName(kCallField)),
          status(table.FieldByName(kStatusField)),
          comment(table.FieldByName(kCommentField)) {}

    store::Field call;
    store::Field status;
    store::Field comment;
};

// The words 1 of a log, each distinct word decoded once: a big log names a few thousand
// references in millions of lines, so a line costs a search for its first blank and a lookup.
struct LogWords {
    explicit LogWords(const TextLines& lines);

    std::vector<int> wordOfLine;  // kNoWord for a line of no continent
    QStringList words;
    std::vector<quint8> continentsOfWord;  // a bit per continent (in the order of continents()) whose code it holds
};

LogWords::LogWords(const TextLines& lines) : wordOfLine(size_t(lines.size()), kNoWord) {
    static_assert(std::tuple_size_v<std::decay_t<decltype(continents())>> <= 8, "a bit per continent");
    const auto& codes = continents();
    QHash<QByteArrayView, int> seen;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const std::optional<QByteArrayView> piece = lines.linePieceBefore(row, ' ');
        if (!piece || piece->isEmpty()) continue;
        auto found = seen.constFind(*piece);
        if (found == seen.cend()) {
            const QString word = upfReferenceWord(lines[row]).toString();
            quint8 mask = 0;
            for (size_t c = 0; c < codes.size(); ++c)
                if (word.contains(codes[c].code)) mask |= quint8(1u << c);
            found = seen.insert(*piece, int(words.size()));
            words << word;
            continentsOfWord.push_back(mask);
        }
        wordOfLine[size_t(row)] = *found;
    }
}

// The references a continent pass looks up, each word normalised once, and whether each was
// looked at: a reference looked at once holds its final state for this import, written ("W"
// or "C", which the decision table never overwrites), left alone, or without a record.
class PassReferences {
public:
    PassReferences(const LogWords& words, const QString& continentCode)
        : m_words(words), m_code(continentCode), m_referenceOfWord(words.words.size(), kNoWord) {}

    int referenceOf(int word) {
        int& place = m_referenceOfWord[size_t(word)];
        if (place != kNoWord) return place;
        const QString reference = normaliseReference(m_words.words[word], m_code);
        place = m_places.value(reference, kNoWord);
        if (place == kNoWord) {
            place = int(m_references.size());
            m_places.insert(reference, place);
            m_references << reference;
            m_lookedAt.push_back(false);
        }
        return place;
    }
    const QString& reference(int place) const { return m_references[place]; }
    bool lookedAt(int place) const { return m_lookedAt[size_t(place)]; }
    void markLookedAt(int place) { m_lookedAt[size_t(place)] = true; }

private:
    const LogWords& m_words;
    const QString& m_code;
    std::vector<int> m_referenceOfWord;
    QHash<QString, int> m_places;
    QStringList m_references;
    std::vector<bool> m_lookedAt;
};

int runContinentPass(store::Table& table, int continentPlace, const TextLines& lines, const LogWords& words,
                     ImportMode mode) {
    const Continent& continent = continents()[size_t(continentPlace)];
    ReferencePass pass(table, continent.tableName);
    PassReferences references(words, continent.code);
    std::optional<ContactFields> fields;
    int written = 0;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const int word = words.wordOfLine[size_t(row)];
        if (word == kNoWord || !(words.continentsOfWord[size_t(word)] & (1u << continentPlace))) continue;
        const int place = references.referenceOf(word);
        if (references.lookedAt(place)) continue;
        // A line of no contact does not count as the reference's first appearance.
        const UpfContact contact = splitCallAndComment(lines[row]);
        if (isNoContact(contact.callsign)) continue;
        references.markLookedAt(place);
        if (!pass.standOn(references.reference(place))) continue;
        if (!fields) fields.emplace(table);
        const std::optional<QString> status = upfStatusToWrite(fields->status.AsString(), mode);
        if (!status) continue;
        table.Edit();
        fields->call.setAsString(contact.callsign);
        fields->status.setAsString(*status);
        fields->comment.setAsString(contact.comment);
        table.Post();
        ++written;
    }
    pass.close();
    return written;
}

}  // namespace

int importUpf(store::Database& database, store::Table& table, const TextLines& lines, ImportMode mode,
              BatchProgress& progress) {
    store::Database::Transaction batch(database);
    const LogWords words(lines);
    int gauge = 0;
    int written = 0;
    for (int place = 0; place < int(continents().size()); ++place) {
        gauge += kGaugeStepPerPass;
        progress.setValue(gauge);
        written += runContinentPass(table, place, lines, words, mode);
    }
    batch.commit();
    return written;
}

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

// The references a continent pass looks up, each word of the continent normalised once, and
// whether each was looked at: a reference looked at once holds its final state for this import,
// written ("W" or "C", which the decision table never overwrites), left alone, or without a record.
class PassReferences {
public:
    PassReferences(const LogWords& words, int continentPlace) : m_referenceOfWord(words.words.size(), kNoWord) {
        const QString& code = continents()[size_t(continentPlace)].code;
        QHash<QString, int> places;
        for (qsizetype word = 0; word < words.words.size(); ++word) {
            if (!(words.continentsOfWord[size_t(word)] & (1u << continentPlace))) continue;
            const QString reference = normaliseReference(words.words[word], code);
            const auto found = places.constFind(reference);
            m_referenceOfWord[size_t(word)] = found != places.cend() ? *found : int(m_references.size());
            if (found != places.cend()) continue;
            places.insert(reference, int(m_references.size()));
            m_references << reference;
        }
        m_lookedAt.assign(size_t(m_references.size()), false);
    }

    // The place of a word's reference; kNoWord for a word of another continent.
    int referenceOf(int word) const { return m_referenceOfWord[size_t(word)]; }
    const QString& reference(int place) const { return m_references[place]; }
    bool lookedAt(int place) const { return m_lookedAt[size_t(place)]; }
    void markLookedAt(int place) {
        m_lookedAt[size_t(place)] = true;
        ++m_lookedAtCount;
    }
    // Once every reference was looked at, no later line can change anything.
    bool allLookedAt() const { return m_lookedAtCount == m_references.size(); }

private:
    std::vector<int> m_referenceOfWord;
    QStringList m_references;
    std::vector<bool> m_lookedAt;
    qsizetype m_lookedAtCount = 0;
};

int runContinentPass(store::Table& table, int continentPlace, const TextLines& lines, const LogWords& words,
                     ImportMode mode) {
    const Continent& continent = continents()[size_t(continentPlace)];
    ReferencePass pass(table, continent.tableName);
    PassReferences references(words, continentPlace);
    std::optional<ContactFields> fields;
    int written = 0;
    for (qsizetype row = 0; row < lines.size() && !references.allLookedAt(); ++row) {
        const int word = words.wordOfLine[size_t(row)];
        if (word == kNoWord) continue;
        const int place = references.referenceOf(word);
        if (place == kNoWord || references.lookedAt(place)) continue;
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

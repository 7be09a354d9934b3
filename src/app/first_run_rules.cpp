#include "app/first_run_rules.h"

#include "register/store/table_names.h"

namespace firstrun {

namespace {

// The answer is a single digit that picks one of the texts.
std::optional<QString> pick(const QString& answer, const QStringList& texts) {
    if (answer.size() != 1) return std::nullopt;
    const int index = answer.front().unicode() - u'0';
    if (index < 0 || index >= texts.size()) return std::nullopt;
    return texts[index];
}

}  // namespace

std::optional<QString> acceptCallsign(const QString& answer) {
    if (answer.isEmpty() || answer.front() < u'1') return std::nullopt;
    return answer.toUpper();
}

std::optional<QString> acceptDirectoryNo(const QString& answer) {
    if (answer.isEmpty()) return std::nullopt;
    return answer;
}

std::optional<QString> acceptModeEndorsement(const QString& answer) {
    static const QStringList modes{QStringLiteral("All modes"), QStringLiteral("CW"), QStringLiteral("SSB"),
                                   QStringLiteral("Data")};
    return pick(answer, modes);
}

std::optional<QString> acceptAwardsGroup(const QString& answer) {
    static const QStringList groups{QStringLiteral("HF"), QStringLiteral("6M"), QStringLiteral("Satellite")};
    return pick(answer, groups);
}

const std::array<Question, 4>& questions() {
    static const std::array<Question, 4> all{{
        {QStringLiteral("Callsign entry"), QStringLiteral("Enter your callsign and press OK!"), acceptCallsign,
         &OwnerEntry::callsign},
        {QStringLiteral("Directory number"), QStringLiteral("Enter directory number and press OK!"), acceptDirectoryNo,
         &OwnerEntry::directoryNo},
        {QStringLiteral("Mode endorsement"), QStringLiteral("0=all modes | 1=CW | 2=SSB | 3=Data"),
         acceptModeEndorsement, &OwnerEntry::modeEndorsement},
        {QStringLiteral("Awards group"), QStringLiteral("0 = HF | 1 = 6M | 2 = Satellite"), acceptAwardsGroup,
         &OwnerEntry::awardsGroup},
    }};
    return all;
}

QStringList confirmationLines(const OwnerEntry& entry) {
    return {
        QStringLiteral("IMPORTANT"),
        QStringLiteral("Your callsign             :\t") + entry.callsign,
        QStringLiteral("Your directory number     :\t") + entry.directoryNo,
        QStringLiteral("Selected mode endorsement :\t") + entry.modeEndorsement,
        QStringLiteral("Selected awards group     :\t") + entry.awardsGroup,
        QString(),
        QStringLiteral("Please confirm or repeat entry."),
    };
}

std::vector<OwnerRow> ownerRows(const OwnerEntry& entry) {
    return {
        {kCallsignRow, entry.callsign},
        {kDirectoryNoRow, entry.directoryNo},
        {kModeEndorsementRow, entry.modeEndorsement},
        {kAwardsGroupRow, entry.awardsGroup},
        {kComputerUpdatesRow, QStringLiteral("Yes")},
    };
}

}  // namespace firstrun

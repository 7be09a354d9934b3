#include "logimport/adif_rules.h"

#include <QStringTokenizer>
#include <algorithm>

#include "logimport/adif_reader.h"
#include "register/codes.h"

namespace {

EvidenceSet kindsOf(std::initializer_list<Evidence> kinds) {
    EvidenceSet set;
    for (Evidence kind : kinds) set.set(size_t(kind));
    return set;
}

// The awards of the award programme as loggers name them in CREDIT_GRANTED.
constexpr QLatin1StringView kIotaCredits[] = {QLatin1StringView("IOTA"), QLatin1StringView("IOTA_BASIC"),
                                              QLatin1StringView("IOTA_CONT"), QLatin1StringView("IOTA_GROUP")};

bool isIotaCredit(QStringView award) {
    return std::any_of(std::begin(kIotaCredits), std::end(kIotaCredits),
                       [&](QLatin1StringView credit) { return award.compare(credit, Qt::CaseInsensitive) == 0; });
}

// A credit list is "AWARD[:MEDIUM&MEDIUM],AWARD…"; read in place, as most QSOs have none.
bool grantsIotaCredit(const QString& credits) {
    for (const QStringView credit : QStringTokenizer(credits, u','))
        if (isIotaCredit(credit.left(credit.indexOf(u':')).trimmed())) return true;
    return false;
}

// "Y" received; "V" received and verified by an award manager.
bool isReceived(const QString& value) {
    const QStringView answer = QStringView(value).trimmed();
    return answer.compare(u"Y", Qt::CaseInsensitive) == 0 || answer.compare(u"V", Qt::CaseInsensitive) == 0;
}

const QStringList kStatusOrder{status::Worked, status::Claimed, status::Approved};

// The services that write their own confirmations as QSL_RCVD.
struct ServiceOrigin {
    LogOrigin origin;
    const char* programId;   // in the header's PROGRAMID
    const char* appProgram;  // in the names of its own fields, APP_<appProgram>_…
    Evidence evidence;
    const char* meaning;
};

constexpr ServiceOrigin kServiceOrigins[] = {
    {LogOrigin::Lotw, "LoTW", "LOTW", Evidence::Lotw, "LoTW report: its confirmations count as LoTW"},
    {LogOrigin::Eqsl, "eQSL.cc", "EQSL", Evidence::Eqsl, "eQSL.cc download: its confirmations count as eQSL"},
};

const ServiceOrigin* serviceOrigin(LogOrigin origin) {
    for (const ServiceOrigin& service : kServiceOrigins)
        if (service.origin == origin) return &service;
    return nullptr;
}

}  // namespace

const QStringList& adifFieldNames() {
    static const QStringList names{
        QStringLiteral("IOTA"),          QStringLiteral("CALL"),           QStringLiteral("QSO_DATE"),
        QStringLiteral("TIME_ON"),       QStringLiteral("CREDIT_GRANTED"), QStringLiteral("QSL_RCVD"),
        QStringLiteral("LOTW_QSL_RCVD"), QStringLiteral("EQSL_QSL_RCVD"),
    };
    return names;
}

const std::array<ConfirmationSource, kConfirmationSourceCount>& confirmationSources() {
    static constexpr std::array<ConfirmationSource, kConfirmationSourceCount> sources{{
        {"card", "Paper &card", QslRcvd, Evidence::Card, true},
        {"lotw", "&LoTW", LotwQslRcvd, Evidence::Lotw, false},
        {"eqsl", "&eQSL", EqslQslRcvd, Evidence::Eqsl, false},
    }};
    return sources;
}

ConfirmationSources defaultConfirmationSources() {
    ConfirmationSources sources;
    for (size_t i = 0; i < kConfirmationSourceCount; ++i) sources[i] = confirmationSources()[i].countedByDefault;
    return sources;
}

std::optional<ConfirmationSources> confirmationSourcesNamed(const QString& names) {
    ConfirmationSources sources;
    for (QStringView name : QStringView(names).split(u',', Qt::SkipEmptyParts)) {
        size_t i = 0;
        while (i < kConfirmationSourceCount && name.trimmed() != QLatin1String(confirmationSources()[i].name)) ++i;
        if (i == kConfirmationSourceCount) return std::nullopt;
        sources.set(i);
    }
    return sources;
}

QString confirmationSourceNames(ConfirmationSources sources) {
    QStringList names;
    for (size_t i = 0; i < kConfirmationSourceCount; ++i)
        if (sources[i]) names << QLatin1String(confirmationSources()[i].name);
    return names.join(u',');
}

EvidenceSet evidenceOf(const AdifRecord& record) {
    EvidenceSet evidence = kindsOf({Evidence::Logged});
    if (grantsIotaCredit(record.values[CreditGranted])) evidence.set(size_t(Evidence::CreditGranted));
    for (const ConfirmationSource& source : confirmationSources())
        if (isReceived(record.values[source.field])) evidence.set(size_t(source.evidence));
    return evidence;
}

LogOrigin logOriginOf(const AdifLogFacts& facts) {
    for (const ServiceOrigin& service : kServiceOrigins) {
        const bool named = facts.programId.isEmpty()
                               ? facts.appPrograms.contains(QLatin1String(service.appProgram))
                               : facts.programId.compare(QLatin1String(service.programId), Qt::CaseInsensitive) == 0;
        if (named) return service.origin;
    }
    return LogOrigin::Logger;
}

Evidence receivedEvidenceOf(LogOrigin origin) {
    const ServiceOrigin* service = serviceOrigin(origin);
    return service ? service->evidence : Evidence::Card;
}

QString logOriginText(LogOrigin origin) {
    const ServiceOrigin* service = serviceOrigin(origin);
    return service ? QLatin1String(service->meaning) : QString();
}

const std::array<StatusRule, 3>& statusRules() {
    static const std::array<StatusRule, 3> rules{{
        {status::Approved, kindsOf({Evidence::CreditGranted}), "credit granted for IOTA"},
        {status::Claimed, kindsOf({Evidence::Card, Evidence::Lotw, Evidence::Eqsl}), "confirmed by a counted source"},
        {status::Worked, kindsOf({Evidence::Logged}), "worked"},
    }};
    return rules;
}

EvidenceSet countedEvidence(ConfirmationSources sources) {
    EvidenceSet counted = kindsOf({Evidence::CreditGranted, Evidence::Logged});
    for (size_t i = 0; i < kConfirmationSourceCount; ++i)
        if (sources[i]) counted.set(size_t(confirmationSources()[i].evidence));
    return counted;
}

int statusRank(const QString& status) {
    return int(kStatusOrder.indexOf(status)) + 1;
}

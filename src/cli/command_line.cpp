#include "cli/command_line.h"

#include <algorithm>

namespace {

bool isOption(const QString& argument) {
    return argument.startsWith(QLatin1String("--"));
}

bool isWholeNumber(const QString& text) {
    bool isNumber = false;
    return text.toInt(&isNumber) >= 1 && isNumber;
}

QString parameterText(const Parameter& parameter) {
    QString text = QLatin1String(parameter.name);
    if (parameter.value) text += u' ' + QLatin1String(parameter.value);
    return text;
}

}  // namespace

QString usageLine(const char* subcommand, const Parameters& parameters) {
    QString line = QLatin1String(subcommand);
    for (size_t i = 0; i < parameters.size(); ++i) {
        const Parameter::Kind kind = parameters[i].kind;
        const bool alternativeFollows =
            i + 1 < parameters.size() && parameters[i + 1].kind == Parameter::Kind::Alternative;
        const bool bracketed = kind == Parameter::Kind::Option || kind == Parameter::Kind::Alternative;
        line += kind == Parameter::Kind::Alternative ? QStringLiteral(" | ") : QStringLiteral(" ");
        if (kind == Parameter::Kind::Option) line += u'[';
        line += parameterText(parameters[i]);
        if (bracketed && !alternativeFollows) line += u']';
    }
    return line;
}

Arguments::Arguments(const Parameters& parameters, const QStringList& commandLine) : m_parameters(parameters) {
    for (qsizetype at = 0; at < commandLine.size(); ++at) {
        if (!isOption(commandLine[at])) {
            m_positional << commandLine[at];
            continue;
        }
        const Parameter* parameter = declared(commandLine[at]);
        if (!parameter) throw UsageError{};
        take(*parameter, commandLine, at);
    }
    checkAlternatives();
    checkCounts();
}

bool Arguments::has(const char* option) const {
    return m_options.contains(QLatin1String(option));
}

std::optional<QString> Arguments::value(const char* option) const {
    const auto given = m_options.constFind(QLatin1String(option));
    if (given == m_options.cend()) return std::nullopt;
    return *given;
}

std::optional<int> Arguments::wholeNumber(const char* option) const {
    const std::optional<QString> text = value(option);
    if (!text) return std::nullopt;
    return text->toInt();
}

const Parameter* Arguments::declared(const QString& option) const {
    const auto found = std::ranges::find_if(m_parameters, [&](const Parameter& parameter) {
        return parameter.kind != Parameter::Kind::Positional && option == QLatin1String(parameter.name);
    });
    return found == m_parameters.end() ? nullptr : &*found;
}

// Takes the option at `at`, and its value after it.
void Arguments::take(const Parameter& parameter, const QStringList& commandLine, qsizetype& at) {
    const QString name = QLatin1String(parameter.name);
    if (!parameter.value) {
        m_options.insert(name, QString());
        return;
    }
    if (m_options.contains(name)) throw UsageError{};
    const bool hasValue = at + 1 < commandLine.size();
    if (parameter.wholeNumber && !(hasValue && isWholeNumber(commandLine[at + 1])))
        throw UsageError{QStringLiteral("%1 is a whole number from 1 on").arg(QLatin1String(parameter.value))};
    if (!hasValue) throw UsageError{QStringLiteral("%1 needs a value").arg(name)};
    m_options.insert(name, commandLine[++at]);
}

// An option and the alternatives listed after it exclude each other.
void Arguments::checkAlternatives() const {
    int givenOfGroup = 0;
    for (const Parameter& parameter : m_parameters) {
        if (parameter.kind != Parameter::Kind::Alternative) givenOfGroup = 0;
        givenOfGroup += has(parameter.name) ? 1 : 0;
        if (givenOfGroup > 1) throw UsageError{};
    }
}

void Arguments::checkCounts() const {
    const auto positionals = std::ranges::count(m_parameters, Parameter::Kind::Positional, &Parameter::kind);
    if (m_positional.size() != positionals) throw UsageError{};
    for (const Parameter& parameter : m_parameters)
        if (parameter.kind == Parameter::Kind::RequiredOption && !has(parameter.name)) throw UsageError{};
}

#pragma once

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

// A wrong command line: exit code 2 with the subcommand's usage line, then the detail when there is one.
struct UsageError {
    QString detail;
};

// One thing a subcommand's command line may hold, as its usage line shows it: a positional
// argument (FILE), an option with or without a value ([--pdf FILE], [--groups], --mode worked|claim
// when it is required), or an alternative to the option before it ([--worked | --by-rarity]), which
// may not be given with it. Each subcommand lists these once; its usage line, its row in --help,
// the man page and the checks of its command line all come from that list.
struct Parameter {
    enum class Kind { Positional, Option, RequiredOption, Alternative };
    Kind kind;
    const char* name;             // FILE, or the option: --pdf
    const char* value = nullptr;  // the name of an option's value; none for a flag
    bool wholeNumber = false;     // the value is a whole number from 1 on
};

constexpr Parameter positional(const char* name) {
    return {Parameter::Kind::Positional, name};
}
constexpr Parameter option(const char* name, const char* value = nullptr) {
    return {Parameter::Kind::Option, name, value};
}
constexpr Parameter numberOption(const char* name, const char* value) {
    return {Parameter::Kind::Option, name, value, true};
}
constexpr Parameter requiredOption(const char* name, const char* value) {
    return {Parameter::Kind::RequiredOption, name, value};
}
constexpr Parameter orOption(const char* name) {
    return {Parameter::Kind::Alternative, name};
}

using Parameters = std::vector<Parameter>;

// The usage of a subcommand: its name, then its parameters in the order listed.
QString usageLine(const char* subcommand, const Parameters& parameters);

// What a command line gave for a subcommand's parameters. The options may stand anywhere, each
// value right after its option; a flag may be repeated, an option with a value may not.
class Arguments {
public:
    // Fails with a UsageError on an unknown option, an option without its value or given twice,
    // two alternatives together, a required option missing or another number of positional arguments.
    Arguments(const Parameters& parameters, const QStringList& commandLine);

    // The positional argument at `index`, in the order listed.
    const QString& operator[](qsizetype index) const { return m_positional[index]; }

    bool has(const char* option) const;
    std::optional<QString> value(const char* option) const;

    // The value of a numberOption; nothing when the option is not given.
    std::optional<int> wholeNumber(const char* option) const;

private:
    const Parameter* declared(const QString& option) const;
    void take(const Parameter& parameter, const QStringList& commandLine, qsizetype& at);
    void checkAlternatives() const;
    void checkCounts() const;

    Parameters m_parameters;
    QStringList m_positional;
    QHash<QString, QString> m_options;  // a flag has an empty value
};

#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace store {

// A parsed filter expression: comparisons of a field with a quoted constant ("=" or "<>"; a
// constant ending in "*" tests for a prefix), joined with "and" / "or" and grouped with
// parentheses, "and" binding before "or". Comparisons are exact and case-sensitive.
class FilterExpression {
public:
    // Parses the text against the fields of a table; an empty text selects every record.
    // A malformed text or an unknown field fails with a message that quotes the filter.
    static std::unique_ptr<FilterExpression> parse(const QString& text, const QString& table,
                                                   const QStringList& fields);
    ~FilterExpression();

    // The SQL condition with one "?" per constant, and the constants in the same order.
    const QString& whereSql() const { return m_whereSql; }
    const QStringList& parameters() const { return m_parameters; }
    // Whether a record (values in field order) passes the filter.
    bool matches(const QStringList& values) const;

    struct Node;

private:
    FilterExpression() = default;
    std::unique_ptr<Node> m_root;
    QString m_whereSql;
    QStringList m_parameters;
};

}  // namespace store

#include "register/store/filter.h"

#include <vector>

#include "base/failure.h"

namespace store {

struct FilterExpression::Node {
    enum class Kind { And, Or, Equal, NotEqual };
    Kind kind;
    // Comparisons: the field's column and the constant; a prefix test when `prefix` is set.
    int column = -1;
    QString constant;
    bool prefix = false;
    std::unique_ptr<Node> left, right;
};

namespace {

using Node = FilterExpression::Node;

struct Token {
    enum class Kind { Name, Constant, Equal, NotEqual, Open, Close, And, Or, End };
    Kind kind;
    QString text;
    int position;  // 1-based character position in the filter, for messages
};

class Parser {
public:
    Parser(const QString& text, const QString& table, const QStringList& fields)
        : m_text(text), m_table(table), m_fields(fields) {
        tokenize();
    }

    std::unique_ptr<Node> parseAll() {
        auto root = parseOr();
        if (peek().kind != Token::Kind::End) fail(QStringLiteral("unexpected \"%1\"").arg(peek().text));
        return root;
    }

private:
    [[noreturn]] void fail(const QString& reason, int position = -1) const {
        if (position < 0) position = peek().position;
        throw Failure(QStringLiteral("The filter \"%1\" on table \"%2\" is malformed: %3 at character %4")
                          .arg(m_text, m_table, reason)
                          .arg(position));
    }

    void tokenize() {
        const int length = int(m_text.size());
        int i = 0;
        while (i < length) {
            const QChar c = m_text[i];
            const int position = i + 1;
            if (c.isSpace()) {
                ++i;
            } else if (c == u'(' || c == u')') {
                m_tokens.push_back({c == u'(' ? Token::Kind::Open : Token::Kind::Close, QString(c), position});
                ++i;
            } else if (c == u'=') {
                m_tokens.push_back({Token::Kind::Equal, QStringLiteral("="), position});
                ++i;
            } else if (c == u'<' && i + 1 < length && m_text[i + 1] == u'>') {
                m_tokens.push_back({Token::Kind::NotEqual, QStringLiteral("<>"), position});
                i += 2;
            } else if (c == u'\'') {
                m_tokens.push_back({Token::Kind::Constant, readConstant(i), position});
            } else if (c.isLetter() || c == u'_') {
                int end = i;
                while (end < length && (m_text[end].isLetterOrNumber() || m_text[end] == u'_')) ++end;
                const QString word = m_text.mid(i, end - i);
                m_tokens.push_back({keywordKind(word), word, position});
                i = end;
            } else {
                fail(QStringLiteral("unexpected \"%1\"").arg(c), position);
            }
        }
        m_tokens.push_back({Token::Kind::End, QStringLiteral("end of filter"), length + 1});
    }

    static Token::Kind keywordKind(const QString& word) {
        if (word.compare(QLatin1String("and"), Qt::CaseInsensitive) == 0) return Token::Kind::And;
        if (word.compare(QLatin1String("or"), Qt::CaseInsensitive) == 0) return Token::Kind::Or;
        return Token::Kind::Name;
    }

    // Reads a quoted constant starting at `i`; a doubled quote stands for one quote.
    QString readConstant(int& i) {
        const int start = i + 1;
        QString value;
        for (++i; i < m_text.size(); ++i) {
            if (m_text[i] != u'\'') {
                value += m_text[i];
            } else if (i + 1 < m_text.size() && m_text[i + 1] == u'\'') {
                value += u'\'';
                ++i;
            } else {
                ++i;
                return value;
            }
        }
        fail(QStringLiteral("the constant has no closing quote"), start);
    }

    const Token& peek() const { return m_tokens[m_next]; }
    const Token& take() { return m_tokens[m_next++]; }

    std::unique_ptr<Node> parseOr() {
        auto left = parseAnd();
        while (peek().kind == Token::Kind::Or) {
            take();
            left = join(Node::Kind::Or, std::move(left), parseAnd());
        }
        return left;
    }

    std::unique_ptr<Node> parseAnd() {
        auto left = parseTerm();
        while (peek().kind == Token::Kind::And) {
            take();
            left = join(Node::Kind::And, std::move(left), parseTerm());
        }
        return left;
    }

    std::unique_ptr<Node> parseTerm() {
        if (peek().kind == Token::Kind::Open) {
            take();
            auto inner = parseOr();
            if (peek().kind != Token::Kind::Close) fail(QStringLiteral("\")\" expected"));
            take();
            return inner;
        }
        return parseComparison();
    }

    std::unique_ptr<Node> parseComparison() {
        if (peek().kind != Token::Kind::Name) fail(QStringLiteral("a field name expected"));
        const Token& name = take();
        const int column = columnOf(name.text);
        if (column < 0)
            throw Failure(QStringLiteral("The filter \"%1\" names the field \"%2\", which table \"%3\" does not have")
                              .arg(m_text, name.text, m_table));
        const Token& op = take();
        if (op.kind != Token::Kind::Equal && op.kind != Token::Kind::NotEqual)
            fail(QStringLiteral("\"=\" or \"<>\" expected"), op.position);
        if (peek().kind != Token::Kind::Constant) fail(QStringLiteral("a quoted constant expected"));
        auto node = std::make_unique<Node>();
        node->kind = op.kind == Token::Kind::Equal ? Node::Kind::Equal : Node::Kind::NotEqual;
        node->column = column;
        node->constant = take().text;
        if (node->constant.endsWith(u'*')) {
            node->prefix = true;
            node->constant.chop(1);
        }
        return node;
    }

    int columnOf(const QString& name) const {
        for (int i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0) return i;
        return -1;
    }

    static std::unique_ptr<Node> join(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    const QString& m_text;
    const QString& m_table;
    const QStringList& m_fields;
    std::vector<Token> m_tokens;
    size_t m_next = 0;
};

// Characters as SQLite counts them in substr(): code points, not UTF-16 units.
qsizetype codePoints(const QString& text) {
    return text.toUcs4().size();
}

void compile(const Node& node, const QStringList& fields, QString& sql, QStringList& parameters) {
    switch (node.kind) {
        case Node::Kind::And:
        case Node::Kind::Or:
            sql += u'(';
            compile(*node.left, fields, sql, parameters);
            sql += node.kind == Node::Kind::And ? QLatin1String(" AND ") : QLatin1String(" OR ");
            compile(*node.right, fields, sql, parameters);
            sql += u')';
            return;
        case Node::Kind::Equal:
        case Node::Kind::NotEqual: {
            const QString field = QStringLiteral("\"%1\"").arg(fields[node.column]);
            const QString subject =
                node.prefix ? QStringLiteral("substr(%1, 1, %2)").arg(field).arg(codePoints(node.constant)) : field;
            sql += subject + (node.kind == Node::Kind::Equal ? QLatin1String(" = ?") : QLatin1String(" <> ?"));
            parameters << node.constant;
            return;
        }
    }
}

bool evaluate(const Node& node, const QStringList& values) {
    switch (node.kind) {
        case Node::Kind::And:
            return evaluate(*node.left, values) && evaluate(*node.right, values);
        case Node::Kind::Or:
            return evaluate(*node.left, values) || evaluate(*node.right, values);
        case Node::Kind::Equal:
        case Node::Kind::NotEqual: {
            const QString& value = values[node.column];
            const bool equal = node.prefix ? value.startsWith(node.constant) : value == node.constant;
            return equal == (node.kind == Node::Kind::Equal);
        }
    }
    return false;
}

}  // namespace

FilterExpression::~FilterExpression() = default;

std::unique_ptr<FilterExpression> FilterExpression::parse(const QString& text, const QString& table,
                                                          const QStringList& fields) {
    std::unique_ptr<FilterExpression> expression(new FilterExpression);
    if (text.trimmed().isEmpty()) return expression;
    expression->m_root = Parser(text, table, fields).parseAll();
    compile(*expression->m_root, fields, expression->m_whereSql, expression->m_parameters);
    return expression;
}

bool FilterExpression::matches(const QStringList& values) const {
    return !m_root || evaluate(*m_root, values);
}

}  // namespace store

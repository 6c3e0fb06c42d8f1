#include "export/ExcelSqlStatement.h"

#include <optional>

// A recursive-descent parser over the statement text.
class ExcelSqlParser
{
public:
    explicit ExcelSqlParser(const QString& qsSql) : m_qsSql(qsSql) {}

    ExcelSqlStatement parse()
    {
        ExcelSqlStatement statement;
        if (keyword("CREATE") && keyword("TABLE")) {
            statement.m_kind = ExcelSqlStatement::Kind::CreateTable;
            if (tableName(statement) && columnDefinitions(statement)) {
                end();
            }
        } else if (keyword("INSERT") && keyword("INTO")) {
            statement.m_kind = ExcelSqlStatement::Kind::Insert;
            if (tableName(statement) && insertBody(statement)) {
                end();
            }
        } else {
            m_qsError = QStringLiteral("only CREATE TABLE and INSERT INTO are supported");
        }
        if (!m_qsError.isEmpty()) {
            statement.m_kind = ExcelSqlStatement::Kind::Invalid;
            statement.m_qsError = m_qsError;
        }
        return statement;
    }

private:
    bool tableName(ExcelSqlStatement& statement)
    {
        const std::optional<QString> name = identifier();
        if (!name) {
            return fail(QStringLiteral("a table name is missing"));
        }
        statement.m_qsTable = *name;
        return true;
    }

    bool columnDefinitions(ExcelSqlStatement& statement)
    {
        if (!expect(QLatin1Char('('))) {
            return false;
        }
        do {
            const std::optional<QString> name = identifier();
            if (!name) {
                return fail(QStringLiteral("a column name is missing"));
            }
            statement.m_columns.append(*name);
            skipType();
        } while (accept(QLatin1Char(',')));
        return expect(QLatin1Char(')'));
    }

    bool insertBody(ExcelSqlStatement& statement)
    {
        if (accept(QLatin1Char('('))) {
            do {
                const std::optional<QString> name = identifier();
                if (!name) {
                    return fail(QStringLiteral("a column name is missing"));
                }
                statement.m_columns.append(*name);
            } while (accept(QLatin1Char(',')));
            if (!expect(QLatin1Char(')'))) {
                return false;
            }
        }
        if (!keyword("VALUES")) {
            return fail(QStringLiteral("VALUES is missing"));
        }
        if (!expect(QLatin1Char('('))) {
            return false;
        }
        do {
            const std::optional<ExcelSqlStatement::Value> value = valueItem();
            if (!value) {
                return fail(QStringLiteral("a value must be a named placeholder or a string"));
            }
            statement.m_values.append(*value);
        } while (accept(QLatin1Char(',')));
        return expect(QLatin1Char(')'));
    }

    // The column type with its arguments, up to the next "," or ")".
    void skipType()
    {
        int depth = 0;
        for (; m_pos < m_qsSql.size(); ++m_pos) {
            const QChar c = m_qsSql.at(m_pos);
            if (depth == 0 && (c == QLatin1Char(',') || c == QLatin1Char(')'))) {
                return;
            }
            depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        }
    }

    std::optional<ExcelSqlStatement::Value> valueItem()
    {
        skipSpace();
        if (accept(QLatin1Char(':'))) {
            const int start = m_pos;
            while (m_pos < m_qsSql.size() && isNameChar(m_qsSql.at(m_pos))) {
                ++m_pos;
            }
            if (m_pos == start) {
                return std::nullopt;
            }
            return ExcelSqlStatement::Value{true, m_qsSql.mid(start - 1, m_pos - start + 1)};
        }
        if (peek() == QLatin1Char('\'')) {
            const std::optional<QString> text = quoted(QLatin1Char('\''), QLatin1Char('\''));
            if (text) {
                return ExcelSqlStatement::Value{false, *text};
            }
        }
        return std::nullopt;
    }

    std::optional<QString> identifier()
    {
        skipSpace();
        const QChar c = peek();
        if (c == QLatin1Char('[')) {
            return quoted(QLatin1Char('['), QLatin1Char(']'));
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('`')) {
            return quoted(c, c);
        }
        const int start = m_pos;
        while (m_pos < m_qsSql.size() && isNameChar(m_qsSql.at(m_pos))) {
            ++m_pos;
        }
        if (m_pos == start) {
            return std::nullopt;
        }
        return m_qsSql.mid(start, m_pos - start);
    }

    // Text between the quotes; a doubled closing quote stands for itself.
    std::optional<QString> quoted(QChar opening, QChar closing)
    {
        if (!accept(opening)) {
            return std::nullopt;
        }
        QString qsText;
        while (m_pos < m_qsSql.size()) {
            const QChar c = m_qsSql.at(m_pos++);
            if (c != closing) {
                qsText += c;
            } else if (peek() == closing) {
                qsText += c;
                ++m_pos;
            } else {
                return qsText;
            }
        }
        return std::nullopt;
    }

    bool keyword(const char* pWord)
    {
        skipSpace();
        const QString qsWord = QString::fromLatin1(pWord);
        const int after = m_pos + qsWord.size();
        if (m_qsSql.midRef(m_pos, qsWord.size()).compare(qsWord, Qt::CaseInsensitive) != 0 ||
            (after < m_qsSql.size() && isNameChar(m_qsSql.at(after)))) {
            return false;
        }
        m_pos = after;
        return true;
    }

    bool accept(QChar c)
    {
        skipSpace();
        if (peek() != c) {
            return false;
        }
        ++m_pos;
        return true;
    }

    bool expect(QChar c)
    {
        return accept(c) || fail(QStringLiteral("\"%1\" expected at %2").arg(c).arg(m_pos));
    }

    bool end()
    {
        accept(QLatin1Char(';'));
        skipSpace();
        return m_pos == m_qsSql.size() || fail(QStringLiteral("unexpected text at %1").arg(m_pos));
    }

    bool fail(const QString& qsError)
    {
        m_qsError = qsError;
        return false;
    }

    void skipSpace()
    {
        while (m_pos < m_qsSql.size() && m_qsSql.at(m_pos).isSpace()) {
            ++m_pos;
        }
    }

    QChar peek() const { return m_pos < m_qsSql.size() ? m_qsSql.at(m_pos) : QChar(); }

    static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

    const QString& m_qsSql;
    int m_pos = 0;
    QString m_qsError;
};

ExcelSqlStatement ExcelSqlStatement::parse(const QString& qsSql)
{
    return ExcelSqlParser(qsSql).parse();
}

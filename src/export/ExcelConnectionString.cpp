#include "export/ExcelConnectionString.h"

namespace {
QChar closingFor(QChar opening)
{
    return opening == QLatin1Char('{') ? QLatin1Char('}') : opening;
}

bool isOpening(QChar c)
{
    return c == QLatin1Char('{') || c == QLatin1Char('"') || c == QLatin1Char('\'');
}

QString unquoted(const QString& qsValue)
{
    if (qsValue.size() >= 2 && isOpening(qsValue.front()) &&
        qsValue.back() == closingFor(qsValue.front())) {
        return qsValue.mid(1, qsValue.size() - 2);
    }
    return qsValue;
}
} // namespace

ExcelConnectionString::ExcelConnectionString(const QString& qsText)
{
    QString qsPart;
    QChar closing;
    auto takePart = [this, &qsPart] {
        const int equals = qsPart.indexOf(QLatin1Char('='));
        if (equals > 0) {
            m_values.insert(qsPart.left(equals).trimmed().toUpper(),
                            unquoted(qsPart.mid(equals + 1).trimmed()));
        }
        qsPart.clear();
    };
    for (QChar c : qsText) {
        if (!closing.isNull()) {
            if (c == closing) {
                closing = QChar();
            }
        } else if (c == QLatin1Char(';')) {
            takePart();
            continue;
        } else if (isOpening(c) && qsPart.trimmed().endsWith(QLatin1Char('='))) {
            closing = closingFor(c);
        }
        qsPart += c;
    }
    takePart();
}

bool ExcelConnectionString::contains(const QString& qsKey) const
{
    return m_values.contains(qsKey.toUpper());
}

QString ExcelConnectionString::value(const QString& qsKey) const
{
    return m_values.value(qsKey.toUpper());
}

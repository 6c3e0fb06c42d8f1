#ifndef TSCATALOGUE_H
#define TSCATALOGUE_H

#include <QFile>
#include <QSet>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

// The messages of a translation source file (.ts) as the translation tools
// write them: context, source text, translation and the translation's state
// ("unfinished", "vanished", "obsolete" or empty for a finished one).
struct TsMessage
{
    QString qsContext;
    QString qsSource;
    QString qsTranslation;
    QString qsType;

    QString key() const { return qsContext + QLatin1Char('\x1f') + qsSource; }
    QString describe() const { return QStringLiteral("[%1] \"%2\"").arg(qsContext, qsSource); }
};

class TsCatalogue
{
public:
    // False, with the reason in errorString(), when the file cannot be read
    // or is not well-formed.
    bool load(const QString& qsPath)
    {
        QFile file(qsPath);
        if (!file.open(QIODevice::ReadOnly)) {
            m_qsError = file.errorString();
            return false;
        }
        QXmlStreamReader reader(&file);
        QString qsContext;
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement()) {
                continue;
            }
            if (reader.name() == QLatin1String("name")) {
                qsContext = reader.readElementText();
            } else if (reader.name() == QLatin1String("message")) {
                m_messages.append(readMessage(reader, qsContext));
            }
        }
        if (reader.hasError()) {
            m_qsError = reader.errorString();
            return false;
        }
        return true;
    }

    QString errorString() const { return m_qsError; }
    const QVector<TsMessage>& messages() const { return m_messages; }

    QSet<QString> keys() const
    {
        QSet<QString> set;
        for (const TsMessage& message : m_messages) {
            set.insert(message.key());
        }
        return set;
    }

    const TsMessage* find(const QString& qsContext, const QString& qsSource) const
    {
        for (const TsMessage& message : m_messages) {
            if (message.qsContext == qsContext && message.qsSource == qsSource) {
                return &message;
            }
        }
        return nullptr;
    }

private:
    static TsMessage readMessage(QXmlStreamReader& reader, const QString& qsContext)
    {
        TsMessage message;
        message.qsContext = qsContext;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("source")) {
                message.qsSource = reader.readElementText();
            } else if (reader.name() == QLatin1String("translation")) {
                message.qsType = reader.attributes().value(QLatin1String("type")).toString();
                message.qsTranslation =
                    reader.readElementText(QXmlStreamReader::IncludeChildElements);
            } else {
                reader.skipCurrentElement();
            }
        }
        return message;
    }

    QVector<TsMessage> m_messages;
    QString m_qsError;
};

#endif

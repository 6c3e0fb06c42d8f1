#ifndef XLSREADBACK_H
#define XLSREADBACK_H

#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVector>
#include <QXmlStreamReader>

#include <freexl.h>

// An exported workbook as an independent reader sees it: the first sheet's
// name and its cells as texts, "" for an empty cell. Any cell that is not
// text, or any reader error, is reported in `qsError`.
//
// read() uses FreeXL. readWithLibreOffice() converts workbooks to flat
// OpenDocument in one run of LibreOffice, which also tells the layout: the
// column widths and the page set-up.
struct XlsReadBack
{
    QString qsError;
    unsigned sheetCount = 0;
    unsigned biffVersion = 0;
    QString qsSheetName;
    QVector<QStringList> rows;
    QVector<double> columnInches;
    QString qsOrientation;
    QString qsPagesWide;

    static XlsReadBack read(const QString& qsPath)
    {
        XlsReadBack result;
        const void* pHandle = nullptr;
        const int openCode = freexl_open(qsPath.toUtf8().constData(), &pHandle);
        if (openCode != FREEXL_OK) {
            result.qsError = QStringLiteral("freexl_open: %1").arg(openCode);
            freexl_close(pHandle);
            return result;
        }
        result.readSheet(pHandle);
        freexl_close(pHandle);
        return result;
    }

    // One result per path, in order; none, with the reason in `pError`, when
    // LibreOffice cannot run. The files need distinct names.
    static QVector<XlsReadBack> readWithLibreOffice(const QStringList& paths, QString* pError)
    {
        QTemporaryDir work;
        QProcess soffice;
        soffice.start(QStringLiteral("soffice"),
                      QStringList{QStringLiteral("--headless"), QStringLiteral("--norestore"),
                                  QStringLiteral("-env:UserInstallation=") +
                                      QUrl::fromLocalFile(work.filePath("profile")).toString(),
                                  QStringLiteral("--convert-to"), QStringLiteral("fods"),
                                  QStringLiteral("--outdir"), work.path()} +
                          paths);
        if (!soffice.waitForStarted(30000) || !soffice.waitForFinished(120000)) {
            *pError = soffice.errorString();
            soffice.kill();
            soffice.waitForFinished();
            return {};
        }
        QVector<XlsReadBack> results;
        for (const QString& qsPath : paths) {
            QFile flat(work.filePath(QFileInfo(qsPath).completeBaseName() + ".fods"));
            XlsReadBack result;
            if (flat.open(QIODevice::ReadOnly)) {
                result.readFlatDocument(&flat);
            } else {
                result.qsError = QStringLiteral("LibreOffice did not convert ") + qsPath;
            }
            results.append(result);
        }
        return results;
    }

private:
    void readSheet(const void* pHandle)
    {
        freexl_get_info(pHandle, FREEXL_BIFF_SHEET_COUNT, &sheetCount);
        freexl_get_info(pHandle, FREEXL_BIFF_VERSION, &biffVersion);
        const char* pName = nullptr;
        if (freexl_get_worksheet_name(pHandle, 0, &pName) != FREEXL_OK ||
            freexl_select_active_worksheet(pHandle, 0) != FREEXL_OK) {
            qsError = QStringLiteral("no first sheet");
            return;
        }
        qsSheetName = QString::fromUtf8(pName);
        unsigned rowCount = 0;
        unsigned short columnCount = 0;
        freexl_worksheet_dimensions(pHandle, &rowCount, &columnCount);
        for (unsigned row = 0; row < rowCount; ++row) {
            QStringList cells;
            for (unsigned short column = 0; column < columnCount; ++column) {
                cells.append(cellText(pHandle, row, column));
            }
            rows.append(cells);
        }
    }

    QString cellText(const void* pHandle, unsigned row, unsigned short column)
    {
        FreeXL_CellValue value;
        if (freexl_get_cell_value(pHandle, row, column, &value) != FREEXL_OK) {
            qsError = QStringLiteral("cell %1,%2 unreadable").arg(row).arg(column);
            return QString();
        }
        if (value.type == FREEXL_CELL_NULL) {
            return QString();
        }
        if (value.type != FREEXL_CELL_SST_TEXT && value.type != FREEXL_CELL_TEXT) {
            qsError = QStringLiteral("cell %1,%2 is not text").arg(row).arg(column);
            return QString();
        }
        return QString::fromUtf8(value.value.text_value);
    }

    // The first table of a flat OpenDocument spreadsheet, with the widths of
    // its column styles and the one page layout.
    void readFlatDocument(QIODevice* pDevice)
    {
        QXmlStreamReader xml(pDevice);
        QMap<QString, double> styleInches;
        QString qsStyle;
        bool bInTable = false;
        int emptyRows = 0;
        while (!xml.atEnd() && !(bInTable && xml.isEndElement() && isNamed(xml, "table:table"))) {
            xml.readNext();
            if (!xml.isStartElement()) {
                continue;
            }
            const QXmlStreamAttributes attributes = xml.attributes();
            if (isNamed(xml, "style:style")) {
                qsStyle = attributes.value("style:name").toString();
            } else if (isNamed(xml, "style:table-column-properties")) {
                styleInches[qsStyle] = inches(attributes.value("style:column-width").toString());
            } else if (isNamed(xml, "style:page-layout-properties")) {
                qsOrientation = attributes.value("style:print-orientation").toString();
                qsPagesWide = attributes.value("style:scale-to-X").toString();
            } else if (isNamed(xml, "table:table")) {
                bInTable = true;
                qsSheetName = attributes.value("table:name").toString();
            } else if (isNamed(xml, "table:table-column")) {
                for (int i = repeats(attributes, "table:number-columns-repeated"); i > 0; --i) {
                    columnInches.append(
                        styleInches.value(attributes.value("table:style-name").toString(), -1));
                }
            } else if (isNamed(xml, "table:table-row")) {
                // Empty rows count only before a row with text: the table
                // runs on empty to the last row a sheet can have.
                const QStringList cells = readRow(xml);
                const int count = repeats(attributes, "table:number-rows-repeated");
                if (cells.join(QString()).isEmpty()) {
                    emptyRows += count;
                    continue;
                }
                rows += QVector<QStringList>(emptyRows, QVector<QString>(cells.size()).toList());
                rows += QVector<QStringList>(count, cells);
                emptyRows = 0;
            }
        }
        if (xml.hasError()) {
            qsError = xml.errorString();
        }
    }

    QStringList readRow(QXmlStreamReader& xml)
    {
        QStringList cells;
        while (xml.readNextStartElement()) {
            const int count = repeats(xml.attributes(), "table:number-columns-repeated");
            const QString qsText = readCell(xml);
            for (int i = 0; i < count; ++i) {
                cells.append(qsText);
            }
        }
        while (cells.size() < columnInches.size()) {
            cells.append(QString());
        }
        return cells;
    }

    // The paragraphs of a cell joined by line breaks; runs of blanks are
    // written as <text:s text:c="n"/>.
    static QString readCell(QXmlStreamReader& xml)
    {
        QStringList paragraphs;
        while (xml.readNextStartElement()) {
            QString qsText;
            for (int depth = 1; depth > 0 && !xml.atEnd();) {
                xml.readNext();
                if (xml.isCharacters()) {
                    qsText += xml.text();
                } else if (xml.isStartElement()) {
                    ++depth;
                    qsText += isNamed(xml, "text:s")
                                  ? QString(repeats(xml.attributes(), "text:c"), QLatin1Char(' '))
                              : isNamed(xml, "text:line-break") ? QStringLiteral("\n")
                              : isNamed(xml, "text:tab")        ? QStringLiteral("\t")
                                                                : QString();
                } else if (xml.isEndElement()) {
                    --depth;
                }
            }
            paragraphs.append(qsText);
        }
        return paragraphs.join(QLatin1Char('\n'));
    }

    static bool isNamed(const QXmlStreamReader& xml, const char* pName)
    {
        return xml.qualifiedName() == QLatin1String(pName);
    }

    static int repeats(const QXmlStreamAttributes& attributes, const char* pName)
    {
        const QStringRef count = attributes.value(QLatin1String(pName));
        return count.isEmpty() ? 1 : count.toInt();
    }

    static double inches(const QString& qsLength)
    {
        const QString qsUnit = qsLength.right(2);
        const double value = qsLength.chopped(2).toDouble();
        return qsUnit == QLatin1String("cm")   ? value / 2.54
               : qsUnit == QLatin1String("mm") ? value / 25.4
               : qsUnit == QLatin1String("pt") ? value / 72
                                               : value;
    }
};

#endif

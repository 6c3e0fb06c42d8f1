#ifndef TEXTTABLE_H
#define TEXTTABLE_H

#include <QString>
#include <QStringList>
#include <QVector>

// Rows of texts in aligned columns for a terminal. A column is as wide as its
// widest cell, counted in terminal cells: a Chinese character or an emoji
// takes two, a combining mark none.
class TextTable
{
public:
    enum Alignment
    {
        AlignLeft,
        AlignRight
    };

    explicit TextTable(const QVector<Alignment>& alignments) : m_alignments(alignments) {}

    // A row of at most one cell per column; missing cells are blank.
    void addRow(const QStringList& cells);
    // The rows, one per line, two spaces between columns, no trailing blanks.
    QString toString() const;

    static int displayWidth(const QString& qsText);

private:
    QVector<Alignment> m_alignments;
    QVector<QStringList> m_rows;
};

#endif

#ifndef CFILEDIALOG_H
#define CFILEDIALOG_H

#include "controls/CBaseDialog.h"

#include <QFileDialog>
#include <QStringList>

// A file dialog in the system's frame: the frame hosts a Qt file dialog as its
// content and ends with it. Each operation returns a null string (or an empty
// list) when the user cancels.
class CFileDialog : public CBaseDialog
{
    Q_OBJECT
public:
    explicit CFileDialog(QWidget* parent = nullptr);

    static QString getOpenFileName(QWidget* parent = nullptr, const QString& qsCaption = QString(),
                                   const QString& qsDir = QString(),
                                   const QString& qsFilter = QString(),
                                   QString* pSelectedFilter = nullptr);
    static QString getSaveFileName(QWidget* parent = nullptr, const QString& qsCaption = QString(),
                                   const QString& qsDir = QString(),
                                   const QString& qsFilter = QString(),
                                   QString* pSelectedFilter = nullptr);
    static QString getExistingDirectory(QWidget* parent = nullptr,
                                        const QString& qsCaption = QString(),
                                        const QString& qsDir = QString());
    static QStringList getOpenFileNames(QWidget* parent = nullptr,
                                        const QString& qsCaption = QString(),
                                        const QString& qsDir = QString(),
                                        const QString& qsFilter = QString(),
                                        QString* pSelectedFilter = nullptr);

private:
    static QStringList run(QWidget* parent, const QString& qsCaption, const QString& qsDir,
                           const QString& qsFilter, QFileDialog::FileMode fileMode,
                           QFileDialog::AcceptMode acceptMode, QString* pSelectedFilter);
};

#endif

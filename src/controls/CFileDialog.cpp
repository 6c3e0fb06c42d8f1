#include "controls/CFileDialog.h"

namespace {
const QString kFileListStyle =
    QStringLiteral("\nQFileDialog QListView::item:hover, QFileDialog QTreeView::item:hover"
                   "{background-color: rgb(251,251,194); color: black;}"
                   "\nQFileDialog QListView::item:selected, QFileDialog QTreeView::item:selected"
                   "{background-color: rgb(238,238,238); color: black;}");
} // namespace

CFileDialog::CFileDialog(QWidget* parent) : CBaseDialog(parent, false, false, false)
{
    ShowCloseBtn(true);
    setStyleSheet(styleSheet() + kFileListStyle);
    resize(600, 400);
}

QString CFileDialog::getOpenFileName(QWidget* parent, const QString& qsCaption,
                                     const QString& qsDir, const QString& qsFilter,
                                     QString* pSelectedFilter)
{
    const QStringList files = run(parent, qsCaption, qsDir, qsFilter, QFileDialog::ExistingFile,
                                  QFileDialog::AcceptOpen, pSelectedFilter);
    return files.isEmpty() ? QString() : files.first();
}

QString CFileDialog::getSaveFileName(QWidget* parent, const QString& qsCaption,
                                     const QString& qsDir, const QString& qsFilter,
                                     QString* pSelectedFilter)
{
    const QStringList files = run(parent, qsCaption, qsDir, qsFilter, QFileDialog::AnyFile,
                                  QFileDialog::AcceptSave, pSelectedFilter);
    return files.isEmpty() ? QString() : files.first();
}

QString CFileDialog::getExistingDirectory(QWidget* parent, const QString& qsCaption,
                                          const QString& qsDir)
{
    const QStringList dirs = run(parent, qsCaption, qsDir, QString(), QFileDialog::Directory,
                                 QFileDialog::AcceptOpen, nullptr);
    return dirs.isEmpty() ? QString() : dirs.first();
}

QStringList CFileDialog::getOpenFileNames(QWidget* parent, const QString& qsCaption,
                                          const QString& qsDir, const QString& qsFilter,
                                          QString* pSelectedFilter)
{
    return run(parent, qsCaption, qsDir, qsFilter, QFileDialog::ExistingFiles,
               QFileDialog::AcceptOpen, pSelectedFilter);
}

QStringList CFileDialog::run(QWidget* parent, const QString& qsCaption, const QString& qsDir,
                             const QString& qsFilter, QFileDialog::FileMode fileMode,
                             QFileDialog::AcceptMode acceptMode, QString* pSelectedFilter)
{
    CFileDialog frame(parent);
    auto* pFileDialog = new QFileDialog(&frame, qsCaption, qsDir, qsFilter);
    // Drawn inside the frame, so it must be a plain child widget, never a native window.
    pFileDialog->setWindowFlags(Qt::Widget);
    pFileDialog->setOption(QFileDialog::DontUseNativeDialog);
    pFileDialog->setSizeGripEnabled(false);
    frame.SetContentWidget(pFileDialog);
    frame.SetTitle(qsCaption);
    pFileDialog->setDirectory(qsDir);
    if (!qsFilter.isEmpty()) {
        pFileDialog->setNameFilter(qsFilter);
    }
    pFileDialog->setFileMode(fileMode);
    if (fileMode == QFileDialog::Directory) {
        pFileDialog->setOption(QFileDialog::ShowDirsOnly);
    }
    pFileDialog->setAcceptMode(acceptMode);
    connect(pFileDialog, &QDialog::accepted, &frame, &QDialog::accept);
    connect(pFileDialog, &QDialog::rejected, &frame, &QDialog::reject);
    if (frame.exec() != QDialog::Accepted) {
        return QStringList();
    }
    if (pSelectedFilter) {
        *pSelectedFilter = pFileDialog->selectedNameFilter();
    }
    return pFileDialog->selectedFiles();
}

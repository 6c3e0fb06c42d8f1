#include "controls/CPathComboBox.h"

#include "controls/CFileDialog.h"

#include <QRegularExpression>

namespace {
// Several chosen files share the one item of the box.
const QString kFileSeparator = QStringLiteral(";");
} // namespace

CPathComboBox::CPathComboBox(QWidget* parent) : QComboBox(parent), m_iPathType(Directory)
{
}

void CPathComboBox::SetPathType(int iType)
{
    m_iPathType = iType;
    setToolTip(currentText());
}

void CPathComboBox::SetFilter(const QString& qsFilter)
{
    m_qsFilter = qsFilter;
}

void CPathComboBox::SetDialogTitle(const QString& qsTitle)
{
    m_qsDialogTitle = qsTitle;
}

void CPathComboBox::showPopup()
{
    const QString qsStart = currentText().isEmpty() ? QStringLiteral(".") : currentText();
    const QString qsChosen = choosePath(qsStart);
    if (qsChosen.isEmpty()) {
        return;
    }
    clear();
    addItem(qsChosen);
    setToolTip(qsChosen);
}

QString CPathComboBox::choosePath(const QString& qsStart)
{
    switch (m_iPathType) {
    case SaveFile:
        return withFilterExtension(
            CFileDialog::getSaveFileName(this, m_qsDialogTitle, qsStart, m_qsFilter));
    case OpenFile:
        return CFileDialog::getOpenFileName(this, m_qsDialogTitle, qsStart, m_qsFilter);
    case Directory: {
        const QString qsTitle =
            m_qsDialogTitle.isEmpty() ? tr("Select Directory") : m_qsDialogTitle;
        QString qsDir = CFileDialog::getExistingDirectory(this, qsTitle, qsStart);
        if (!qsDir.isEmpty() && !qsDir.endsWith(QLatin1Char('/'))) {
            qsDir += QLatin1Char('/');
        }
        return qsDir;
    }
    case OpenFiles:
        return CFileDialog::getOpenFileNames(this, m_qsDialogTitle, qsStart, m_qsFilter)
            .join(kFileSeparator);
    default:
        return QString();
    }
}

// "Excel (*.xls)" gives ".xls"; a name typed without it gets it.
QString CPathComboBox::withFilterExtension(const QString& qsFile) const
{
    static const QRegularExpression rxExtension(QStringLiteral("\\*(\\.[^\\s;()*]+)"));
    const QRegularExpressionMatch match = rxExtension.match(m_qsFilter);
    if (qsFile.isEmpty() || !match.hasMatch()) {
        return qsFile;
    }
    const QString qsExtension = match.captured(1);
    if (qsFile.endsWith(qsExtension, Qt::CaseInsensitive)) {
        return qsFile;
    }
    return qsFile + qsExtension;
}

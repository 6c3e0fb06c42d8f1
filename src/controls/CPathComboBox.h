#ifndef CPATHCOMBOBOX_H
#define CPATHCOMBOBOX_H

#include <QComboBox>

// A combo box that holds one path; its pop-up is a framed file dialog.
class CPathComboBox : public QComboBox
{
    Q_OBJECT
public:
    enum PathType
    {
        SaveFile = 0,
        OpenFile = 1,
        Directory = 2,
        OpenFiles = 3
    };

    explicit CPathComboBox(QWidget* parent = nullptr);

    void SetPathType(int iType);
    void SetFilter(const QString& qsFilter);
    void SetDialogTitle(const QString& qsTitle);

    // Runs the file dialog; the chosen path replaces the box's item.
    void showPopup() override;

private:
    QString choosePath(const QString& qsStart);
    QString withFilterExtension(const QString& qsFile) const;

    int m_iPathType;
    QString m_qsFilter;
    QString m_qsDialogTitle;
};

#endif

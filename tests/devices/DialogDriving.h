#ifndef DIALOGDRIVING_H
#define DIALOGDRIVING_H

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// Finds and works the fields of the add dialogs by their object names.
namespace DialogDriving {

inline QComboBox* combo(QWidget* pDialog, const char* pName)
{
    return pDialog->findChild<QComboBox*>(QLatin1String(pName));
}

inline QLineEdit* edit(QWidget* pDialog, const char* pName)
{
    return pDialog->findChild<QLineEdit*>(QLatin1String(pName));
}

inline void chooseText(QComboBox* pCombo, const QString& qsText)
{
    const int iIndex = pCombo->findText(qsText);
    QVERIFY2(iIndex >= 0, qPrintable(qsText));
    pCombo->setCurrentIndex(iIndex);
}

inline void chooseData(QComboBox* pCombo, const QVariant& value)
{
    const int iIndex = pCombo->findData(value);
    QVERIFY2(iIndex >= 0, qPrintable(value.toString()));
    pCombo->setCurrentIndex(iIndex);
}

inline QStringList itemTexts(const QComboBox* pCombo)
{
    QStringList qsTexts;
    for (int i = 0; i < pCombo->count(); ++i) {
        qsTexts << pCombo->itemText(i);
    }
    return qsTexts;
}

inline void clickOk(QWidget* pDialog)
{
    QPushButton* pOk = pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"));
    QVERIFY(pOk);
    pOk->click();
}

} // namespace DialogDriving

#endif

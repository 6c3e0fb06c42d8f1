#ifndef DIALOGDRIVING_H
#define DIALOGDRIVING_H

#include "model/DeviceGroupInfo.h"

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

// A stream group as "Used StreamID StreamNum Resolution FrameRate Bitrate".
inline QString summary(const StreamGroupInfo& stream)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(int(stream.Used))
        .arg(stream.StreamID)
        .arg(stream.StreamNum)
        .arg(stream.Resolution)
        .arg(stream.FrameRate)
        .arg(stream.Bitrate);
}

// A device group as "Type DeviceNum MainStream SubStream" and its first
// stream group.
inline QString summary(const DeviceGroupInfo& group)
{
    return QStringLiteral("%1 %2 %3 %4 | %5")
        .arg(group.Type)
        .arg(group.DeviceNum)
        .arg(group.MainStream)
        .arg(group.SubStream)
        .arg(summary(group.StreamGroups.at(0)));
}

} // namespace DialogDriving

#endif

#ifndef CWARNINFODLG_H
#define CWARNINFODLG_H

#include <QObject>
#include <QPointer>
#include <QWidget>

// Lets any code raise an information box by emitting a signal: the one
// instance shows it on the parent widget it was given.
class CWarnInfoDlg : public QObject
{
    Q_OBJECT
public:
    static CWarnInfoDlg* Instance();

    void SetParentWidget(QWidget* pParent);

signals:
    void ShowMsgInfoSig(QString strTitle, QString strContent);

public slots:
    void ShowMsgInfo(QString strTitle, QString strContent);

private:
    CWarnInfoDlg();

    QPointer<QWidget> m_pParent;
};

#endif

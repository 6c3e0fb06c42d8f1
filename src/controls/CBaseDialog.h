#ifndef CBASEDIALOG_H
#define CBASEDIALOG_H

#include <QDialog>
#include <QPoint>

class QGridLayout;
class QFrame;

namespace Ui {
class CBaseDialogClass;
}

// The frame every dialog of the system is drawn in: a frameless window with a
// skinned border, a title band to drag it by, a close button, a content frame
// that derived dialogs fill, and an optional OK / Cancel bar.
class CBaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CBaseDialog(QWidget* parent = nullptr, bool bShowBottom = true, bool bShowOk = true,
                         bool bShowCancel = true);
    ~CBaseDialog() override;

    void SetTitle(const QString& qsTitle);
    QString GetTitle() const;

    void ShowCloseBtn(bool bShow);
    void ShowOkBtn(bool bShow);
    void ShowCancelBtn(bool bShow);
    void ShowBottomFrame(bool bShow);

    void SetOkAutoAccept(bool bAuto);
    void SetCloseAutoClose(bool bAuto);

    bool SetContentWidget(QWidget* pWidget);
    QFrame* GetContentFrame() const;

    void SetOkBtnText(const QString& qsText);
    void SetCancelBtnText(const QString& qsText);

signals:
    void leftBtn_clicked();
    void ClickedOKBtnSig();
    void ClickedCloseBtnSig();

public slots:
    void SetOkBtnEnable(bool bEnabled);
    void on_pOkBtn_clicked();
    void on_m_pCloseBtn_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyFrameStyle(bool bBottomShown);

    Ui::CBaseDialogClass* m_pUi;
    bool m_bDragging;
    QPoint m_pressPos;
    QGridLayout* m_pContentLayout;
    bool m_bOkAutoAccept;
    bool m_bCloseAutoClose;
};

#endif

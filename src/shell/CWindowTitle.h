#ifndef CWINDOWTITLE_H
#define CWINDOWTITLE_H

#include <QPoint>
#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;

// The title bar of the frameless main window: icon, title, minimise,
// maximise/restore and close, and dragging the window by the bar.
class CWindowTitle : public QWidget
{
    Q_OBJECT
public:
    explicit CWindowTitle(QWidget* parent);

    // Whether the window fills the work area (the bar's own flag, not a window
    // state).
    bool isWindowMaximized() const { return m_bMaximized; }

public slots:
    void showSmall();
    void ChangSizeToFull();
    void ChaneMaxSizeOrRestore();
    void OnCloseWindow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildLayout();
    void applyStyles();
    void applyBackground();
    bool screenLargeEnough() const;
    QRect availableGeometry() const;

    QWidget* m_pWindow;
    QPushButton* m_pMinBtn;
    QPushButton* m_pCloseBtn;
    QPushButton* m_pMaxBtn;
    QPushButton* m_pIconBtn;
    QLabel* m_pTitleLabel;
    int m_iPressed;
    QPoint m_dragOffset;
    bool m_bMaximized;
};

#endif

#ifndef CNEWTABLEDELEGATE_H
#define CNEWTABLEDELEGATE_H

#include "controls/CBaseItemViewDelegate.h"

#include <QPixmap>
#include <QRect>
#include <QVector>

class QLineEdit;

// The delegate of cells that carry click zones (up to three pixmaps in the
// roles ZonePixmap1Role..ZonePixmap3Role) and that pick their editor from the
// item's data (see tools::CItemDataRole).
class CNewTableDelegate : public CBaseItemViewDelegate
{
    Q_OBJECT
public:
    struct CZone
    {
        tools::CItemDataRole eRole;
        QRect rcZone;
        QPixmap pixmap;
    };

    explicit CNewTableDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

    // The editor hooks are in effect: the standard operations below hand over
    // to them. They write the same values that the standard write-back would,
    // and add the signals, so a model sees no difference.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    virtual void SetEditorValue(QWidget* editor, const QModelIndex& index) const;
    virtual void WriteEditorValue(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const;
    virtual void PlaceEditor(QWidget* editor, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const;

    virtual Qt::Alignment GetPixmapAlignment(const QModelIndex& index) const;
    virtual int GetPixmapShowState(const QModelIndex& index) const;

    // The zones of a cell with rectangle rcCell, in zone order; used both to
    // draw and to hit-test.
    QVector<CZone> ZoneLayout(const QRect& rcCell, const QModelIndex& index) const;
    tools::CItemDataRole HitTest(const QPoint& ptPos, const QRect& rcCell,
                                 const QModelIndex& index) const;

Q_SIGNALS:
    void SignalEditingFinished(const QModelIndex& index) const;
    void SignalComboBoxTextChanged(const QModelIndex& index) const;

protected:
    bool eventFilter(QObject* pObject, QEvent* event) override;

public Q_SLOTS:
    void OnHoverEvent(QHoverEvent* event, QAbstractItemView* view,
                      const QStyleOptionViewItem& option, const QModelIndex& index) override;
    tools::CItemDataRole OnMouseEvent(QMouseEvent* event, QAbstractItemView* view,
                                      const QStyleOptionViewItem& option,
                                      const QModelIndex& index) override;

private:
    QWidget* createComboEditor(QWidget* parent, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const;
    QWidget* createIntEditor(QWidget* parent, int iBottom, int iTop,
                             const QModelIndex& index) const;
    QWidget* createTextEditor(QWidget* parent, const QModelIndex& index) const;
    QPixmap pixmapToDraw(const CZone& zone, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const;
    bool wantsHandCursor(const QPoint& ptPos, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const;

    bool endsUnfinishedNumber(const QLineEdit* pEdit, const QEvent* event) const;

    bool m_bMouseButtonDown = false;
};

#endif

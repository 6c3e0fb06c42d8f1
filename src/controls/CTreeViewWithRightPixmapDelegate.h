#ifndef CTREEVIEWWITHRIGHTPIXMAPDELEGATE_H
#define CTREEVIEWWITHRIGHTPIXMAPDELEGATE_H

#include "controls/CNewTableDelegate.h"

// Click zones at the right end of the cell, shown only on the row under the
// pointer.
class CTreeViewWithRightPixmapDelegate : public CNewTableDelegate
{
    Q_OBJECT
public:
    explicit CTreeViewWithRightPixmapDelegate(QObject* parent = nullptr);

    Qt::Alignment GetPixmapAlignment(const QModelIndex& index) const override;
    int GetPixmapShowState(const QModelIndex& index) const override;
};

#endif

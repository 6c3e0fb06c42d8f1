#include "controls/CTreeViewWithRightPixmapDelegate.h"

#include <QStyle>

CTreeViewWithRightPixmapDelegate::CTreeViewWithRightPixmapDelegate(QObject* parent)
    : CNewTableDelegate(parent)
{
}

Qt::Alignment CTreeViewWithRightPixmapDelegate::GetPixmapAlignment(const QModelIndex&) const
{
    return Qt::AlignRight;
}

int CTreeViewWithRightPixmapDelegate::GetPixmapShowState(const QModelIndex&) const
{
    return QStyle::State_MouseOver;
}

#include "controls/CNewTableDelegate.h"

#include "controls/CIntValidator.h"
#include "controls/CRegExpValidator.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QFocusEvent>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int kZoneCount = 3;
// Room between a check box and an editor placed beside it.
constexpr int kCheckBoxGap = 4;

QPixmap pixmapOfRole(const QModelIndex& index, int iRole)
{
    const QVariant value = index.data(iRole);
    return value.canConvert<QPixmap>() ? value.value<QPixmap>() : QPixmap();
}

bool holdsValue(const QModelIndex& index, int iRole)
{
    return index.data(iRole).isValid();
}

struct CIntRange
{
    tools::CItemDataRole eRole;
    int iBottom;
    int iTop;
};

// Checked in this order: the first role that holds a value picks the range.
constexpr CIntRange kIntRanges[] = {
    {tools::IntRange1To384000Role, 1, 384000},
    {tools::IntRange1To999Role, 1, 999},
    {tools::IntRange32To16384Role, 32, 16384},
    {tools::IntRange32To16384AltRole, 32, 16384},
};

} // namespace

CNewTableDelegate::CNewTableDelegate(QObject* parent) : CBaseItemViewDelegate(parent)
{
}

Qt::Alignment CNewTableDelegate::GetPixmapAlignment(const QModelIndex& index) const
{
    const QVariant value = index.data(tools::PixmapAlignmentRole);
    if (value.isValid() && (value.toInt() & Qt::AlignRight)) {
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

int CNewTableDelegate::GetPixmapShowState(const QModelIndex& index) const
{
    return index.data(tools::PixmapShowStateRole).toInt();
}

QVector<CNewTableDelegate::CZone> CNewTableDelegate::ZoneLayout(const QRect& rcCell,
                                                                const QModelIndex& index) const
{
    const bool bRight = GetPixmapAlignment(index) == Qt::AlignRight;
    int x = bRight ? rcCell.left() + rcCell.width() : rcCell.left();
    QVector<CZone> zones;
    for (int i = 0; i < kZoneCount; ++i) {
        const auto eRole = static_cast<tools::CItemDataRole>(tools::ZonePixmap1Role + i);
        const QPixmap pixmap = pixmapOfRole(index, eRole);
        if (pixmap.isNull()) {
            continue;
        }
        const QSize size = pixmap.size();
        const int iTop = rcCell.top() + (rcCell.height() - size.height()) / 2;
        const int iLeft = bRight ? x - size.width() - tools::kZoneSpacing : x + tools::kZoneSpacing;
        const QRect rcZone(QPoint(iLeft, iTop), size);
        x = bRight ? rcZone.left() : rcZone.left() + rcZone.width();
        zones.append({eRole, rcZone, pixmap});
    }
    return zones;
}

tools::CItemDataRole CNewTableDelegate::HitTest(const QPoint& ptPos, const QRect& rcCell,
                                                const QModelIndex& index) const
{
    const QVector<CZone> zones = ZoneLayout(rcCell, index);
    for (const CZone& zone : zones) {
        if (zone.rcZone.contains(ptPos)) {
            return zone.eRole;
        }
    }
    return tools::NoZoneRole;
}

void CNewTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const int iShowState = GetPixmapShowState(index);
    if (iShowState != 0 && !(option.state & QStyle::State(iShowState))) {
        return;
    }
    const QVector<CZone> zones = ZoneLayout(option.rect, index);
    for (const CZone& zone : zones) {
        painter->drawPixmap(zone.rcZone.topLeft(), pixmapToDraw(zone, option, index));
    }
}

QPixmap CNewTableDelegate::pixmapToDraw(const CZone& zone, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const auto* pView = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!pView || !pView->isEnabled() || !pView->isActiveWindow()) {
        return zone.pixmap;
    }
    const QPoint ptCursor = pView->viewport()->mapFromGlobal(QCursor::pos());
    if (!zone.rcZone.contains(ptCursor)) {
        return zone.pixmap;
    }
    const int iOffset = zone.eRole - tools::ZonePixmap1Role;
    const QPixmap pressed = pixmapOfRole(index, tools::ZonePressedPixmap1Role + iOffset);
    if (m_bMouseButtonDown && !pressed.isNull()) {
        return pressed;
    }
    const QPixmap hover = pixmapOfRole(index, tools::ZoneHoverPixmap1Role + iOffset);
    return hover.isNull() ? zone.pixmap : hover;
}

tools::CItemDataRole CNewTableDelegate::OnMouseEvent(QMouseEvent* event, QAbstractItemView* view,
                                                     const QStyleOptionViewItem& option,
                                                     const QModelIndex& index)
{
    if (!event || !view || !index.isValid()) {
        return tools::NoZoneRole;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_bMouseButtonDown = true;
        view->update(index);
        break;
    case QEvent::MouseButtonRelease:
        m_bMouseButtonDown = false;
        view->update(index);
        break;
    default:
        break;
    }
    return HitTest(event->pos(), option.rect, index);
}

void CNewTableDelegate::OnHoverEvent(QHoverEvent* event, QAbstractItemView* view,
                                     const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!event || !view) {
        return;
    }
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave) {
        view->setCursor(Qt::ArrowCursor);
        return;
    }
    if (event->type() != QEvent::HoverMove || !index.isValid()) {
        return;
    }
    view->setCursor(wantsHandCursor(event->pos(), option, index) ? Qt::PointingHandCursor
                                                                 : Qt::ArrowCursor);
    view->update(index);
}

bool CNewTableDelegate::wantsHandCursor(const QPoint& ptPos, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    return HitTest(ptPos, option.rect, index) != tools::NoZoneRole ||
           (index.data(tools::ClickFlagsRole).toInt() & tools::kClickFlagSingleClickEdit) ||
           holdsValue(index, tools::HandCursorRole);
}

QWidget* CNewTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    if (holdsValue(index, tools::ComboChoicesRole)) {
        return createComboEditor(parent, option, index);
    }
    if (holdsValue(index, tools::DateTimeEditRole)) {
        auto* pEdit = new QDateTimeEdit(parent);
        pEdit->setDateTime(index.data(tools::DateTimeEditRole).toDateTime());
        return pEdit;
    }
    if (holdsValue(index, tools::DateEditRole)) {
        auto* pEdit = new QDateEdit(parent);
        pEdit->setDate(index.data(tools::DateEditRole).toDate());
        return pEdit;
    }
    for (const CIntRange& range : kIntRanges) {
        if (holdsValue(index, range.eRole)) {
            return createIntEditor(parent, range.iBottom, range.iTop, index);
        }
    }
    return createTextEditor(parent, index);
}

QWidget* CNewTableDelegate::createComboEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const
{
    QStringList lstChoices = index.data(tools::ComboChoicesRole).toStringList();
    const QString qsText = index.data(Qt::DisplayRole).toString();
    const QVariant currentIndex = index.data(tools::ComboCurrentIndexRole);
    int iCurrent = currentIndex.isValid() ? currentIndex.toInt() : lstChoices.indexOf(qsText);
    if (!currentIndex.isValid() && iCurrent < 0) {
        // A stored value that the list does not offer stays choosable.
        lstChoices.append(qsText);
        iCurrent = lstChoices.size() - 1;
        const_cast<QAbstractItemModel*>(index.model())
            ->setData(index, lstChoices, tools::ComboChoicesRole);
    }
    auto* pCombo = new QComboBox(parent);
    pCombo->addItems(lstChoices);
    pCombo->setCurrentIndex(iCurrent);
    pCombo->setFixedSize(option.rect.size());
    return pCombo;
}

QWidget* CNewTableDelegate::createIntEditor(QWidget* parent, int iBottom, int iTop,
                                            const QModelIndex& index) const
{
    auto* pEdit = new QLineEdit(parent);
    pEdit->setValidator(new CIntValidator(iBottom, iTop, pEdit));
    pEdit->setText(index.data(Qt::DisplayRole).toString());
    return pEdit;
}

QWidget* CNewTableDelegate::createTextEditor(QWidget* parent, const QModelIndex& index) const
{
    const QRegExp rxStored = index.data(tools::ForbiddenInputRole).toRegExp();
    const QRegExp rxForbidden = rxStored.isEmpty() ? QRegExp(QStringLiteral(".*")) : rxStored;
    const QVariant byteLimit = index.data(tools::ByteLimitRole);
    const uint uiMaxBytes =
        byteLimit.isValid() ? byteLimit.toUInt() : uint(CRegExpValidator::kNoLimit);
    auto* pEdit = new QLineEdit(parent);
    pEdit->setValidator(new CRegExpValidator(uiMaxBytes, rxForbidden, pEdit));
    pEdit->setText(index.data(Qt::DisplayRole).toString());
    return pEdit;
}

void CNewTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    SetEditorValue(editor, index);
}

void CNewTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    WriteEditorValue(editor, model, index);
}

// The ranges of the numbers are the model's to judge and to report. A number
// that the editor's validator only calls unfinished ("0" where 1..999 is
// allowed) is handed over all the same when the user ends the edit, with
// Enter or by leaving the cell, where the standard delegate would drop it
// without a word.
bool CNewTableDelegate::eventFilter(QObject* pObject, QEvent* event)
{
    auto* pEdit = qobject_cast<QLineEdit*>(pObject);
    if (!pEdit || !endsUnfinishedNumber(pEdit, event)) {
        return CBaseItemViewDelegate::eventFilter(pObject, event);
    }
    // The model may answer with a message box, whose event loop may already
    // have closed the editor.
    const QPointer<QLineEdit> pOpenEdit(pEdit);
    Q_EMIT commitData(pEdit);
    if (pOpenEdit) {
        Q_EMIT closeEditor(pEdit, QAbstractItemDelegate::NoHint);
    }
    return event->type() == QEvent::KeyPress;
}

bool CNewTableDelegate::endsUnfinishedNumber(const QLineEdit* pEdit, const QEvent* event) const
{
    if (!qobject_cast<const QIntValidator*>(pEdit->validator()) || pEdit->hasAcceptableInput()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int iKey = static_cast<const QKeyEvent*>(event)->key();
        return iKey == Qt::Key_Return || iKey == Qt::Key_Enter;
    }
    if (event->type() != QEvent::FocusOut ||
        static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
        return false;
    }
    const QWidget* pFocus = QApplication::focusWidget();
    return !pFocus || (pFocus != pEdit && !pEdit->isAncestorOf(pFocus));
}

void CNewTableDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    PlaceEditor(editor, option, index);
}

void CNewTableDelegate::SetEditorValue(QWidget* editor, const QModelIndex& index) const
{
    if (auto* pCombo = qobject_cast<QComboBox*>(editor)) {
        const int iFound = pCombo->findText(index.data(Qt::EditRole).toString());
        if (iFound >= 0) {
            pCombo->setCurrentIndex(iFound);
        }
    } else if (auto* pDate = qobject_cast<QDateEdit*>(editor)) {
        pDate->setDate(index.data(tools::DateEditRole).toDate());
    } else if (auto* pDateTime = qobject_cast<QDateTimeEdit*>(editor)) {
        pDateTime->setDateTime(index.data(tools::DateTimeEditRole).toDateTime());
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void CNewTableDelegate::WriteEditorValue(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const
{
    if (auto* pCombo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, pCombo->currentText(), Qt::EditRole);
        Q_EMIT SignalComboBoxTextChanged(index);
    } else if (auto* pDate = qobject_cast<QDateEdit*>(editor)) {
        model->setData(index, pDate->date(), Qt::EditRole);
    } else if (auto* pDateTime = qobject_cast<QDateTimeEdit*>(editor)) {
        model->setData(index, pDateTime->dateTime(), Qt::EditRole);
    } else {
        QStyledItemDelegate::setModelData(editor, model, index);
        Q_EMIT SignalEditingFinished(index);
    }
}

void CNewTableDelegate::PlaceEditor(QWidget* editor, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QRect rcEditor = option.rect;
    if (index.flags() & Qt::ItemIsUserCheckable) {
        rcEditor.setLeft(rcEditor.left() + option.decorationSize.width() + kCheckBoxGap);
    }
    editor->setGeometry(rcEditor);
}

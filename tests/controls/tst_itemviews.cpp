#include "ModalAnswer.h"

#include "controls/CHeaderView.h"
#include "controls/CItemDataRole.h"
#include "controls/CNewTableDelegate.h"
#include "controls/CNewTreeView.h"
#include "controls/CTreeViewWithRightPixmapDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHoverEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QToolTip>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QStandardItem*)

namespace {

constexpr int kZoneSize = 16;
constexpr int kGap = 4;
const QColor kDeleteColor(255, 0, 0);
const QColor kEditColor(0, 0, 255);
const QColor kHoverColor(0, 255, 0);

QPixmap filled(const QColor& color)
{
    QPixmap pixmap(kZoneSize, kZoneSize);
    pixmap.fill(color);
    return pixmap;
}

// The zone rectangle that a cell of rectangle rcCell gives the n-th present
// pixmap (0-based), all pixmaps being kZoneSize square.
QRect zoneRect(const QRect& rcCell, int iNth, bool bRight)
{
    const int iTop = rcCell.top() + (rcCell.height() - kZoneSize) / 2;
    const int iStep = kZoneSize + kGap;
    const int iLeft = bRight ? rcCell.left() + rcCell.width() - (iNth + 1) * iStep
                             : rcCell.left() + kGap + iNth * iStep;
    return QRect(iLeft, iTop, kZoneSize, kZoneSize);
}

// The style may lay a faint hover tint over a row; colours are compared with
// room for it.
bool looksLike(const QColor& actual, const QColor& expected)
{
    constexpr int kTolerance = 48;
    return qAbs(actual.red() - expected.red()) <= kTolerance &&
           qAbs(actual.green() - expected.green()) <= kTolerance &&
           qAbs(actual.blue() - expected.blue()) <= kTolerance;
}

QStandardItem* checkable(const QString& qsText, Qt::CheckState state)
{
    auto* pItem = new QStandardItem(qsText);
    pItem->setCheckable(true);
    pItem->setCheckState(state);
    return pItem;
}

} // namespace

class TestItemViews : public QObject
{
    Q_OBJECT

    std::unique_ptr<CNewTreeView> m_pView;
    QStandardItemModel* m_pModel = nullptr;
    QPoint m_ptLastHover;

    void buildRows(int iRows)
    {
        for (int iRow = 0; iRow < iRows; ++iRow) {
            auto* pZones = new QStandardItem;
            pZones->setData(filled(kDeleteColor), tools::ZonePixmap1Role);
            pZones->setData(filled(kEditColor), tools::ZonePixmap2Role);
            pZones->setEditable(false);
            m_pModel->appendRow({new QStandardItem(QStringLiteral("Task %1").arg(iRow)), pZones});
        }
        m_pView->setColumnWidth(0, 200);
        m_pView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pView.get()));
    }

    // The first cell of a single row, showing "40", with the role (0: none)
    // that chooses its editor.
    QStandardItem* editableCell(int iRole, const QVariant& value = QString())
    {
        buildRows(1);
        QStandardItem* pItem = m_pModel->item(0, 0);
        pItem->setText(QStringLiteral("40"));
        if (iRole != 0) {
            pItem->setData(value, iRole);
        }
        return pItem;
    }

    // The first cell of iRows rows, made an unchecked check box.
    QStandardItem* uncheckedParent(int iRows)
    {
        buildRows(iRows);
        QStandardItem* pParent = m_pModel->item(0, 0);
        pParent->setCheckable(true);
        pParent->setCheckState(Qt::Unchecked);
        return pParent;
    }

    void activate()
    {
        m_pView->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pView.get()));
    }

    void hoverAt(const QPoint& ptPos, bool bMovePointer = false)
    {
        if (bMovePointer) {
            QCursor::setPos(m_pView->viewport()->mapToGlobal(ptPos));
        }
        QHoverEvent event(QEvent::HoverMove, ptPos, m_ptLastHover);
        QApplication::sendEvent(m_pView->viewport(), &event);
        m_ptLastHover = ptPos;
    }

    QColor pixelAt(const QPoint& ptPos)
    {
        return m_pView->viewport()->grab().toImage().pixelColor(ptPos);
    }

    QRect cellRect(int iRow, int iColumn) const
    {
        return m_pView->visualRect(m_pModel->index(iRow, iColumn));
    }

    template <typename Editor> Editor* openEditor(const QModelIndex& index)
    {
        m_pView->setCurrentIndex(index);
        m_pView->edit(index);
        return qobject_cast<Editor*>(m_pView->indexWidget(index));
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        qRegisterMetaType<QStandardItem*>();
        m_pView = std::make_unique<CNewTreeView>();
        m_pModel = new QStandardItemModel(0, 2, m_pView.get());
        m_pView->setModel(m_pModel);
        m_pView->setItemDelegate(new CTreeViewWithRightPixmapDelegate(m_pView.get()));
        m_pView->setRootIsDecorated(false);
        m_pView->header()->setStretchLastSection(true);
        m_pView->resize(400, 240);
        m_ptLastHover = QPoint(-1, -1);
    }

    void clickOnZoneEmitsItsRole_data()
    {
        QTest::addColumn<int>("iColumn");
        QTest::addColumn<int>("iZone");         // -1: no zone, the point is the cell's centre
        QTest::addColumn<QPoint>("ptFromZone"); // offset from the zone's top left corner
        QTest::addColumn<bool>("bRelease");
        QTest::addColumn<int>("iExpected"); // 0: nothing emitted

        const int iLast = kZoneSize - 1;
        const int iDelete = tools::ZonePixmap1Role;
        const int iEdit = tools::ZonePixmap2Role;
        QTest::newRow("release on delete") << 1 << 0 << QPoint(8, 8) << true << iDelete;
        QTest::newRow("release on edit") << 1 << 1 << QPoint(8, 8) << true << iEdit;
        QTest::newRow("press alone on delete") << 1 << 0 << QPoint(8, 8) << false << 0;
        QTest::newRow("delete, top left pixel") << 1 << 0 << QPoint(0, 0) << true << iDelete;
        QTest::newRow("delete, bottom right pixel")
            << 1 << 0 << QPoint(iLast, iLast) << true << iDelete;
        QTest::newRow("right of delete") << 1 << 0 << QPoint(kZoneSize, 8) << true << 0;
        QTest::newRow("above delete") << 1 << 0 << QPoint(8, -1) << true << 0;
        QTest::newRow("below delete") << 1 << 0 << QPoint(8, kZoneSize) << true << 0;
        QTest::newRow("edit, right pixel") << 1 << 1 << QPoint(iLast, 8) << true << iEdit;
        QTest::newRow("gap after edit") << 1 << 1 << QPoint(kZoneSize, 8) << true << 0;
        QTest::newRow("left of edit") << 1 << 1 << QPoint(-1, 8) << true << 0;
        QTest::newRow("release on the name") << 0 << -1 << QPoint() << true << 0;
    }

    void clickOnZoneEmitsItsRole()
    {
        QFETCH(int, iColumn);
        QFETCH(int, iZone);
        QFETCH(QPoint, ptFromZone);
        QFETCH(bool, bRelease);
        QFETCH(int, iExpected);
        buildRows(2);
        const QRect rcCell = cellRect(1, iColumn);
        const QPoint ptClick =
            iZone < 0 ? rcCell.center() : zoneRect(rcCell, iZone, true).topLeft() + ptFromZone;
        QSignalSpy spy(m_pView.get(), &CBaseItemView::SignalClicked);

        QTest::mousePress(m_pView->viewport(), Qt::LeftButton, {}, ptClick);
        if (bRelease) {
            QTest::mouseRelease(m_pView->viewport(), Qt::LeftButton, {}, ptClick);
        }

        QCOMPARE(spy.count(), iExpected == 0 ? 0 : 1);
        if (iExpected != 0) {
            QCOMPARE(spy.at(0).at(0).toModelIndex(), m_pModel->index(1, iColumn));
            QCOMPARE(int(spy.at(0).at(1).value<tools::CItemDataRole>()), iExpected);
        }
    }

    void leftAlignedZonesSkipMissingPixmaps()
    {
        m_pView->setItemDelegate(new CNewTableDelegate(m_pView.get()));
        buildRows(1);
        QStandardItem* pItem = m_pModel->item(0, 1);
        pItem->setData(QVariant(), tools::ZonePixmap2Role);
        pItem->setData(filled(kEditColor), tools::ZonePixmap3Role);
        const QRect rcCell = cellRect(0, 1);
        QSignalSpy spy(m_pView.get(), &CBaseItemView::SignalClicked);

        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {},
                          zoneRect(rcCell, 1, false).center());
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {},
                          zoneRect(rcCell, 0, false).center());

        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(1).value<tools::CItemDataRole>(), tools::ZonePixmap3Role);
        QCOMPARE(spy.at(1).at(1).value<tools::CItemDataRole>(), tools::ZonePixmap1Role);
    }

    void zonesShowOnHoveredRowOnly()
    {
        buildRows(2);
        QCursor::setPos(m_pView->mapToGlobal(QPoint(-100, -100)));
        const QPoint ptDelete0 = zoneRect(cellRect(0, 1), 0, true).center();
        const QPoint ptEdit0 = zoneRect(cellRect(0, 1), 1, true).center();
        const QPoint ptDelete1 = zoneRect(cellRect(1, 1), 0, true).center();

        QVERIFY(!looksLike(pixelAt(ptDelete0), kDeleteColor));
        QVERIFY(!looksLike(pixelAt(ptDelete1), kDeleteColor));

        hoverAt(cellRect(0, 0).center());
        QVERIFY(looksLike(pixelAt(ptDelete0), kDeleteColor));
        QVERIFY(looksLike(pixelAt(ptEdit0), kEditColor));
        QVERIFY(!looksLike(pixelAt(ptDelete1), kDeleteColor));

        hoverAt(cellRect(1, 0).center());
        QVERIFY(!looksLike(pixelAt(ptDelete0), kDeleteColor));
        QVERIFY(looksLike(pixelAt(ptDelete1), kDeleteColor));
    }

    void zonePixmapFollowsPointerAndButton()
    {
        const QColor kPressedColor(255, 255, 0);
        buildRows(1);
        QStandardItem* pItem = m_pModel->item(0, 1);
        pItem->setData(filled(kHoverColor), tools::ZoneHoverPixmap1Role);
        pItem->setData(filled(kHoverColor), tools::ZoneHoverPixmap2Role);
        pItem->setData(filled(kPressedColor), tools::ZonePressedPixmap2Role);
        activate();
        const QPoint ptDelete = zoneRect(cellRect(0, 1), 0, true).center();
        const QPoint ptEdit = zoneRect(cellRect(0, 1), 1, true).center();

        hoverAt(ptDelete, true);
        QVERIFY(looksLike(pixelAt(ptDelete), kHoverColor));
        QVERIFY(looksLike(pixelAt(ptEdit), kEditColor));

        hoverAt(ptEdit, true);
        QVERIFY(looksLike(pixelAt(ptDelete), kDeleteColor));
        QTest::mousePress(m_pView->viewport(), Qt::LeftButton, {}, ptEdit);
        QVERIFY(looksLike(pixelAt(ptEdit), kPressedColor));
        QTest::mouseRelease(m_pView->viewport(), Qt::LeftButton, {}, ptEdit);
        QVERIFY(looksLike(pixelAt(ptEdit), kHoverColor));
    }

    void hoverCursor_data()
    {
        QTest::addColumn<int>("iColumn");
        QTest::addColumn<bool>("bOnZone");
        QTest::addColumn<int>("iRole"); // set on the cell, 0 for none
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("iShape");

        const int iHand = Qt::PointingHandCursor;
        const int iArrow = Qt::ArrowCursor;
        const int iFlags = tools::ClickFlagsRole;
        QTest::newRow("on a zone") << 1 << true << 0 << QVariant() << iHand;
        QTest::newRow("beside the zones") << 1 << false << 0 << QVariant() << iArrow;
        QTest::newRow("plain cell") << 0 << false << 0 << QVariant() << iArrow;
        QTest::newRow("single-click edit") << 0 << false << iFlags << QVariant(2) << iHand;
        QTest::newRow("other click flag") << 0 << false << iFlags << QVariant(1) << iArrow;
        QTest::newRow("hand role")
            << 0 << false << int(tools::HandCursorRole) << QVariant(false) << iHand;
    }

    void hoverCursor()
    {
        QFETCH(int, iColumn);
        QFETCH(bool, bOnZone);
        QFETCH(int, iRole);
        QFETCH(QVariant, value);
        QFETCH(int, iShape);
        buildRows(1);
        if (iRole != 0) {
            m_pModel->item(0, iColumn)->setData(value, iRole);
        }
        const QRect rcCell = cellRect(0, iColumn);
        m_pView->setCursor(Qt::IBeamCursor);

        hoverAt(bOnZone ? zoneRect(rcCell, 0, true).center() : rcCell.topLeft() + QPoint(8, 4));

        QCOMPARE(int(m_pView->cursor().shape()), iShape);
    }

    // The line editor a cell's roles choose filters typed text before the
    // model sees it.
    void lineEditorFiltersTypedText_data()
    {
        QTest::addColumn<int>("iRole"); // 0: a plain cell
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("qsTyped");
        QTest::addColumn<QString>("qsExpected");

        const QVariant noPattern(QRegExp{});
        const QVariant slashes(QRegExp(QStringLiteral("[\\\\/]")));
        const int iForbidden = tools::ForbiddenInputRole;
        // A number cell takes its top value and refuses one more digit.
        const auto numberRow = [](const char* pszRole, int iRole, const QString& qsTop) {
            QTest::newRow(pszRole) << iRole << QVariant(QString()) << qsTop + "0" << qsTop;
        };
        numberRow("148", tools::IntRange1To999Role, QStringLiteral("999"));
        numberRow("149", tools::IntRange32To16384Role, QStringLiteral("16384"));
        numberRow("150", tools::IntRange1To384000Role, QStringLiteral("384000"));
        numberRow("151", tools::IntRange32To16384AltRole, QStringLiteral("16384"));
        QTest::newRow("plain") << 0 << QVariant() << "a1 b2" << QStringLiteral("a1 b2");
        QTest::newRow("empty pattern") << iForbidden << noPattern << "a1" << QStringLiteral("a1");
        QTest::newRow("slashes forbidden")
            << iForbidden << slashes << "a/b\\c" << QStringLiteral("abc");
        QTest::newRow("three bytes")
            << int(tools::ByteLimitRole) << QVariant(3) << "abcd" << QStringLiteral("abc");
    }

    void lineEditorFiltersTypedText()
    {
        QFETCH(int, iRole);
        QFETCH(QVariant, value);
        QFETCH(QString, qsTyped);
        QFETCH(QString, qsExpected);
        QStandardItem* pItem = editableCell(iRole, value);
        QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);
        QSignalSpy spyFinished(m_pView.get(), &CBaseItemView::SignalEditingFinished);

        auto* pEdit = openEditor<QLineEdit>(pItem->index());
        QVERIFY(pEdit);
        QCOMPARE(pEdit->text(), QStringLiteral("40"));
        pEdit->clear();
        QTest::keyClicks(pEdit, qsTyped);
        QCOMPARE(pEdit->text(), qsExpected);
        QTest::keyClick(pEdit, Qt::Key_Return);

        QTRY_COMPARE(spyChanged.count(), 1);
        QCOMPARE(pItem->text(), qsExpected);
        QCOMPARE(spyFinished.count(), 1);
    }

    void unfinishedNumberIsHandedOver_data()
    {
        QTest::addColumn<int>("iRole");
        QTest::addColumn<QString>("qsTyped");
        QTest::addColumn<bool>("bEnter");

        QTest::newRow("0 of 1..999, Enter") << int(tools::IntRange1To999Role) << "0" << true;
        QTest::newRow("0 of 1..999, leaving the cell")
            << int(tools::IntRange1To999Role) << "0" << false;
        QTest::newRow("31 of 32..16384, Enter")
            << int(tools::IntRange32To16384Role) << "31" << true;
        QTest::newRow("nothing, leaving the cell")
            << int(tools::IntRange1To384000Role) << "" << false;
    }

    // A number out of its range reaches the model, which judges and reports it,
    // here as the device tree does: a modal message, then the stored value back.
    // The message takes the focus from the editor; that hands nothing over twice.
    void unfinishedNumberIsHandedOver()
    {
        QFETCH(int, iRole);
        QFETCH(QString, qsTyped);
        QFETCH(bool, bEnter);
        QStandardItem* pItem = editableCell(iRole);
        QStringList lstHandedOver;
        QObject receiver;
        connect(m_pModel, &QStandardItemModel::itemChanged, &receiver,
                [&](QStandardItem* pChanged) {
                    lstHandedOver << pChanged->text();
                    if (pChanged->text() == QStringLiteral("40")) {
                        return;
                    }
                    ModalAnswer answer([](QWidget* pDialog) { pDialog->close(); });
                    QDialog message(m_pView.get());
                    message.exec();
                    pChanged->setText(QStringLiteral("40"));
                });
        activate();

        auto* pEdit = openEditor<QLineEdit>(pItem->index());
        QVERIFY(pEdit);
        QTRY_COMPARE(QApplication::focusWidget(), pEdit);
        pEdit->clear();
        QTest::keyClicks(pEdit, qsTyped);
        QVERIFY(!pEdit->hasAcceptableInput());
        if (bEnter) {
            QTest::keyClick(pEdit, Qt::Key_Return);
        } else {
            m_pView->setFocus(Qt::MouseFocusReason);
        }

        QTRY_VERIFY(!m_pView->indexWidget(pItem->index()));
        QCOMPARE(lstHandedOver, (QStringList{qsTyped, QStringLiteral("40")}));
        QCOMPARE(pItem->text(), QStringLiteral("40"));
    }

    void comboEditorGainsMissingText()
    {
        QStandardItem* pItem = editableCell(
            tools::ComboChoicesRole, QStringList{QStringLiteral("4CIF"), QStringLiteral("CIF")});
        pItem->setText(QStringLiteral("WD1"));
        QSignalSpy spyText(m_pView.get(), &CBaseItemView::SignalComboBoxTextChanged);

        auto* pCombo = openEditor<QComboBox>(pItem->index());
        QVERIFY(pCombo);
        QCOMPARE(pCombo->count(), 3);
        QCOMPARE(pCombo->currentText(), QStringLiteral("WD1"));
        QCOMPARE(
            pItem->data(tools::ComboChoicesRole).toStringList(),
            (QStringList{QStringLiteral("4CIF"), QStringLiteral("CIF"), QStringLiteral("WD1")}));
        QCOMPARE(pCombo->size(), cellRect(0, 0).size());

        QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);
        pCombo->setCurrentIndex(1);
        QTest::keyClick(pCombo, Qt::Key_Return);

        QTRY_COMPARE(spyChanged.count(), 1);
        QCOMPARE(pItem->text(), QStringLiteral("CIF"));
        QCOMPARE(spyText.count(), 1);
    }

    void dateEditorCommitsTypedDate()
    {
        QStandardItem* pItem = editableCell(tools::DateEditRole, QDate(2024, 2, 29));
        QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);

        auto* pEdit = openEditor<QDateEdit>(pItem->index());
        QVERIFY(pEdit);
        QCOMPARE(pEdit->date(), QDate(2024, 2, 29));
        pEdit->setDate(pEdit->date().addDays(1));
        QTest::keyClick(pEdit, Qt::Key_Return);

        QTRY_COMPARE(spyChanged.count(), 1);
        const QVariant stored = pItem->data(Qt::EditRole);
        QCOMPARE(stored.userType(), int(QMetaType::QDate));
        QCOMPARE(stored.toDate(), QDate(2024, 3, 1));
    }

    void singleClickOpensEditorWhenFlagged()
    {
        buildRows(2);
        m_pModel->item(1, 0)->setData(tools::kClickFlagSingleClickEdit, tools::ClickFlagsRole);

        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, cellRect(0, 0).center());
        QVERIFY(!m_pView->indexWidget(m_pModel->index(0, 0)));

        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, cellRect(1, 0).center());
        QVERIFY(qobject_cast<QLineEdit*>(m_pView->indexWidget(m_pModel->index(1, 0))));
    }

    void checkStateFollowsChildren()
    {
        QStandardItem* pParent = uncheckedParent(1);
        QList<QStandardItem*> children;
        for (int i = 0; i < 3; ++i) {
            children.append(
                checkable(QStringLiteral("Child %1").arg(i), i == 0 ? Qt::Checked : Qt::Unchecked));
            pParent->appendRow(children.last());
        }
        QTRY_COMPARE(pParent->checkState(), Qt::PartiallyChecked);

        children[1]->setCheckState(Qt::Checked);
        children[2]->setCheckState(Qt::PartiallyChecked);
        QTest::qWait(20);
        QCOMPARE(pParent->checkState(), Qt::PartiallyChecked);

        children[2]->setCheckState(Qt::Checked);
        QTRY_COMPARE(pParent->checkState(), Qt::Checked);

        pParent->appendRow(new QStandardItem(QStringLiteral("Unchecked")));
        QTRY_COMPARE(pParent->checkState(), Qt::PartiallyChecked);

        pParent->removeRow(3);
        QTRY_COMPARE(pParent->checkState(), Qt::Checked);

        for (QStandardItem* pChild : children) {
            pChild->setCheckState(Qt::Unchecked);
        }
        QTRY_COMPARE(pParent->checkState(), Qt::Unchecked);
    }

    void checkStatePropagationCanBeTurnedOff()
    {
        m_pView->SetCheckStatePropagation(false);
        QStandardItem* pParent = uncheckedParent(1);
        pParent->appendRow(checkable(QStringLiteral("Child"), Qt::Checked));

        QTest::qWait(50);

        QCOMPARE(pParent->checkState(), Qt::Unchecked);
    }

    void removedParentIsNotUpdated()
    {
        QStandardItem* pParent = uncheckedParent(2);
        QStandardItem* pChild = checkable(QStringLiteral("Child"), Qt::Unchecked);
        pParent->appendRow(pChild);
        // A childless checked row that moves up into the removed row's place.
        QStandardItem* pNext = m_pModel->item(1, 0);
        pNext->setCheckable(true);
        pNext->setCheckState(Qt::Checked);
        QTest::qWait(20);
        pChild->setCheckState(Qt::Checked);

        m_pModel->removeRow(0);
        QTest::qWait(50);

        QCOMPARE(m_pModel->item(0, 0), pNext);
        QCOMPARE(pNext->checkState(), Qt::Checked);
    }

    void gridLineDrawnInItsColour_data()
    {
        QTest::addColumn<bool>("bStyleSheet");
        QTest::newRow("property") << false;
        QTest::newRow("style sheet") << true;
    }

    void gridLineDrawnInItsColour()
    {
        QFETCH(bool, bStyleSheet);
        const QColor magenta(255, 0, 255);
        if (bStyleSheet) {
            m_pView->setStyleSheet(
                QStringLiteral("CNewTreeView { qproperty-m_colorGridLine: #ff00ff; }"));
        } else {
            QVERIFY(m_pView->setProperty("m_colorGridLine", magenta));
        }
        buildRows(2);
        const QRect rcRow = cellRect(0, 0);
        const QPoint ptLeft(rcRow.left() + 2, rcRow.bottom());
        const QPoint ptRight(cellRect(0, 1).right() - 2, rcRow.bottom());
        QCOMPARE(m_pView->GridLineColor(), magenta);
        QVERIFY(!looksLike(pixelAt(ptLeft), magenta));

        m_pView->SetGridLineVisible(true);

        QVERIFY(looksLike(pixelAt(ptLeft), magenta));
        QVERIFY(looksLike(pixelAt(ptRight), magenta));
        QVERIFY(!looksLike(pixelAt(ptLeft - QPoint(0, 1)), magenta));
    }

    void delegateWithoutZonesReportsNoClick_data()
    {
        QTest::addColumn<bool>("bPlainQtDelegate");
        QTest::newRow("base delegate") << false;
        QTest::newRow("delegate without the slots") << true;
    }

    void delegateWithoutZonesReportsNoClick()
    {
        QFETCH(bool, bPlainQtDelegate);
        CBaseItemView view;
        view.setModel(m_pModel);
        if (bPlainQtDelegate) {
            view.setItemDelegate(new QStyledItemDelegate(&view));
        }
        view.resize(400, 240);
        buildRows(1);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QPoint ptDelete = zoneRect(view.visualRect(m_pModel->index(0, 1)), 0, true).center();
        QSignalSpy spy(&view, &CBaseItemView::SignalClicked);

        QHoverEvent hover(QEvent::HoverMove, ptDelete, QPoint(-1, -1));
        QApplication::sendEvent(view.viewport(), &hover);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, ptDelete);

        QCOMPARE(spy.count(), 0);
        QVERIFY(view.IsGridLineVisible());
    }

    void editorOfCheckableCellClearsCheckBox()
    {
        QStandardItem* pItem = editableCell(0);
        pItem->setCheckable(true);
        const QRect rcCell = cellRect(0, 0);

        auto* pEdit = openEditor<QLineEdit>(pItem->index());

        QVERIFY(pEdit);
        const int iCheckBoxWidth = m_pView->style()->pixelMetric(QStyle::PM_SmallIconSize);
        QCOMPARE(pEdit->geometry().left(), rcCell.left() + iCheckBoxWidth + 4);
        QCOMPARE(pEdit->geometry().right(), rcCell.right());
    }

    void toolTipFallsBackToDisplayText()
    {
        buildRows(1);
        m_pModel->item(0, 1)->setToolTip(QStringLiteral("Edit and Delete"));
        const QStringList expected{QStringLiteral("Task 0"), QStringLiteral("Edit and Delete")};
        for (int iColumn = 0; iColumn < 2; ++iColumn) {
            const QPoint ptCell = cellRect(0, iColumn).center();
            QHelpEvent tip(QEvent::ToolTip, ptCell, m_pView->viewport()->mapToGlobal(ptCell));
            QApplication::sendEvent(m_pView->viewport(), &tip);
            QTRY_COMPARE(QToolTip::text(), expected.at(iColumn));
        }
    }

    void headerCheckStateIsForwarded()
    {
        auto* pHeader = qobject_cast<CHeaderView*>(m_pView->header());
        QVERIFY(pHeader);
        QSignalSpy spy(m_pView.get(), &CBaseItemView::SignalHeaderCheckStateChanged);

        pHeader->SetCheckState(Qt::Checked);
        pHeader->SetCheckState(Qt::Checked);

        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<Qt::CheckState>(), Qt::Checked);
    }
};

QTEST_MAIN(TestItemViews)
#include "tst_itemviews.moc"

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

QPixmap filled(const QColor& color)
{
    QPixmap pixmap(kZoneSize, kZoneSize);
    pixmap.fill(color);
    return pixmap;
}

const QColor kDeleteColor(255, 0, 0);
const QColor kEditColor(0, 0, 255);
const QColor kHoverColor(0, 255, 0);

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

} // namespace

class TestItemViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void clickOnZoneEmitsItsRole_data();
    void clickOnZoneEmitsItsRole();
    void leftAlignedZonesSkipMissingPixmaps();
    void zonesShowOnHoveredRowOnly();
    void hoverPixmapUnderPointer();
    void hoverCursor_data();
    void hoverCursor();
    void integerEditorsTakeTheirRange_data();
    void integerEditorsTakeTheirRange();
    void unfinishedNumberIsHandedOver_data();
    void unfinishedNumberIsHandedOver();
    void comboEditorGainsMissingText();
    void dateEditorCommitsTypedDate();
    void defaultEditorRefusesForbiddenInput_data();
    void defaultEditorRefusesForbiddenInput();
    void singleClickOpensEditorWhenFlagged();
    void checkStateFollowsChildren();
    void checkStatePropagationCanBeTurnedOff();
    void removedParentIsNotUpdated();
    void gridLineDrawnInItsColour();
    void gridLineColourFromStyleSheet();
    void pressedPixmapWhileButtonDown();
    void delegateWithoutZonesReportsNoClick_data();
    void delegateWithoutZonesReportsNoClick();
    void editorOfCheckableCellClearsCheckBox();
    void toolTipFallsBackToDisplayText();
    void headerCheckStateIsForwarded();

private:
    void buildRows(int iRows);
    void hoverAt(const QPoint& ptPos);
    QColor pixelAt(const QPoint& ptPos);
    QLineEdit* openLineEditor(const QModelIndex& index);

    std::unique_ptr<CNewTreeView> m_pView;
    QStandardItemModel* m_pModel = nullptr;
    QPoint m_ptLastHover;
};

void TestItemViews::init()
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

void TestItemViews::cleanup()
{
    m_pView.reset();
    m_pModel = nullptr;
}

void TestItemViews::buildRows(int iRows)
{
    for (int iRow = 0; iRow < iRows; ++iRow) {
        auto* pName = new QStandardItem(QStringLiteral("Task %1").arg(iRow));
        auto* pZones = new QStandardItem;
        pZones->setData(filled(kDeleteColor), tools::ZonePixmap1Role);
        pZones->setData(filled(kEditColor), tools::ZonePixmap2Role);
        pZones->setEditable(false);
        m_pModel->appendRow({pName, pZones});
    }
    m_pView->setColumnWidth(0, 200);
    m_pView->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pView.get()));
}

void TestItemViews::hoverAt(const QPoint& ptPos)
{
    QHoverEvent event(QEvent::HoverMove, ptPos, m_ptLastHover);
    QApplication::sendEvent(m_pView->viewport(), &event);
    m_ptLastHover = ptPos;
}

QColor TestItemViews::pixelAt(const QPoint& ptPos)
{
    return m_pView->viewport()->grab().toImage().pixelColor(ptPos);
}

QLineEdit* TestItemViews::openLineEditor(const QModelIndex& index)
{
    m_pView->setCurrentIndex(index);
    m_pView->edit(index);
    return qobject_cast<QLineEdit*>(m_pView->indexWidget(index));
}

void TestItemViews::clickOnZoneEmitsItsRole_data()
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

void TestItemViews::clickOnZoneEmitsItsRole()
{
    QFETCH(int, iColumn);
    QFETCH(int, iZone);
    QFETCH(QPoint, ptFromZone);
    QFETCH(bool, bRelease);
    QFETCH(int, iExpected);
    buildRows(2);
    const QModelIndex index = m_pModel->index(1, iColumn);
    const QRect rcCell = m_pView->visualRect(index);
    const QPoint ptClick =
        iZone < 0 ? rcCell.center() : zoneRect(rcCell, iZone, true).topLeft() + ptFromZone;
    QSignalSpy spy(m_pView.get(), &CBaseItemView::SignalClicked);

    QTest::mousePress(m_pView->viewport(), Qt::LeftButton, {}, ptClick);
    if (bRelease) {
        QTest::mouseRelease(m_pView->viewport(), Qt::LeftButton, {}, ptClick);
    }

    if (iExpected == 0) {
        QCOMPARE(spy.count(), 0);
        return;
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toModelIndex(), index);
    QCOMPARE(int(spy.at(0).at(1).value<tools::CItemDataRole>()), iExpected);
}

void TestItemViews::leftAlignedZonesSkipMissingPixmaps()
{
    m_pView->setItemDelegate(new CNewTableDelegate(m_pView.get()));
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 1);
    pItem->setData(QVariant(), tools::ZonePixmap2Role);
    pItem->setData(filled(kEditColor), tools::ZonePixmap3Role);
    const QRect rcCell = m_pView->visualRect(pItem->index());
    QSignalSpy spy(m_pView.get(), &CBaseItemView::SignalClicked);

    QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, zoneRect(rcCell, 1, false).center());
    QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, zoneRect(rcCell, 0, false).center());

    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(1).value<tools::CItemDataRole>(), tools::ZonePixmap3Role);
    QCOMPARE(spy.at(1).at(1).value<tools::CItemDataRole>(), tools::ZonePixmap1Role);
}

void TestItemViews::zonesShowOnHoveredRowOnly()
{
    buildRows(2);
    QCursor::setPos(m_pView->mapToGlobal(QPoint(-100, -100)));
    const QRect rcCell0 = m_pView->visualRect(m_pModel->index(0, 1));
    const QRect rcCell1 = m_pView->visualRect(m_pModel->index(1, 1));
    const QPoint ptDelete0 = zoneRect(rcCell0, 0, true).center();
    const QPoint ptEdit0 = zoneRect(rcCell0, 1, true).center();
    const QPoint ptDelete1 = zoneRect(rcCell1, 0, true).center();

    QVERIFY(!looksLike(pixelAt(ptDelete0), kDeleteColor));
    QVERIFY(!looksLike(pixelAt(ptDelete1), kDeleteColor));

    hoverAt(m_pView->visualRect(m_pModel->index(0, 0)).center());
    QVERIFY(looksLike(pixelAt(ptDelete0), kDeleteColor));
    QVERIFY(looksLike(pixelAt(ptEdit0), kEditColor));
    QVERIFY(!looksLike(pixelAt(ptDelete1), kDeleteColor));

    hoverAt(m_pView->visualRect(m_pModel->index(1, 0)).center());
    QVERIFY(!looksLike(pixelAt(ptDelete0), kDeleteColor));
    QVERIFY(looksLike(pixelAt(ptDelete1), kDeleteColor));
}

void TestItemViews::hoverPixmapUnderPointer()
{
    buildRows(1);
    m_pModel->item(0, 1)->setData(filled(kHoverColor), tools::ZoneHoverPixmap1Role);
    m_pView->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pView.get()));
    const QRect rcCell = m_pView->visualRect(m_pModel->index(0, 1));
    const QPoint ptDelete = zoneRect(rcCell, 0, true).center();
    const QPoint ptEdit = zoneRect(rcCell, 1, true).center();

    QCursor::setPos(m_pView->viewport()->mapToGlobal(ptDelete));
    hoverAt(ptDelete);
    QVERIFY(looksLike(pixelAt(ptDelete), kHoverColor));
    QVERIFY(looksLike(pixelAt(ptEdit), kEditColor));

    QCursor::setPos(m_pView->viewport()->mapToGlobal(ptEdit));
    hoverAt(ptEdit);
    QVERIFY(looksLike(pixelAt(ptDelete), kDeleteColor));
}

void TestItemViews::hoverCursor_data()
{
    QTest::addColumn<int>("iColumn");
    QTest::addColumn<bool>("bOnZone");
    QTest::addColumn<int>("iRole"); // set on the cell, 0 for none
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("iShape");

    QTest::newRow("on a zone") << 1 << true << 0 << QVariant() << int(Qt::PointingHandCursor);
    QTest::newRow("beside the zones") << 1 << false << 0 << QVariant() << int(Qt::ArrowCursor);
    QTest::newRow("plain cell") << 0 << false << 0 << QVariant() << int(Qt::ArrowCursor);
    QTest::newRow("single-click edit")
        << 0 << false << int(tools::ClickFlagsRole) << QVariant(2) << int(Qt::PointingHandCursor);
    QTest::newRow("other click flag")
        << 0 << false << int(tools::ClickFlagsRole) << QVariant(1) << int(Qt::ArrowCursor);
    QTest::newRow("hand role") << 0 << false << int(tools::HandCursorRole) << QVariant(false)
                               << int(Qt::PointingHandCursor);
}

void TestItemViews::hoverCursor()
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
    const QRect rcCell = m_pView->visualRect(m_pModel->index(0, iColumn));
    const QPoint ptHover =
        bOnZone ? zoneRect(rcCell, 0, true).center() : rcCell.topLeft() + QPoint(8, 4);
    m_pView->setCursor(Qt::IBeamCursor);

    hoverAt(ptHover);

    QCOMPARE(int(m_pView->cursor().shape()), iShape);
}

void TestItemViews::integerEditorsTakeTheirRange_data()
{
    QTest::addColumn<int>("iRole");
    QTest::addColumn<int>("iTop");

    QTest::newRow("148") << int(tools::IntRange1To999Role) << 999;
    QTest::newRow("149") << int(tools::IntRange32To16384Role) << 16384;
    QTest::newRow("150") << int(tools::IntRange1To384000Role) << 384000;
    QTest::newRow("151") << int(tools::IntRange32To16384AltRole) << 16384;
}

void TestItemViews::integerEditorsTakeTheirRange()
{
    QFETCH(int, iRole);
    QFETCH(int, iTop);
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 0);
    pItem->setText(QStringLiteral("40"));
    pItem->setData(QString(), iRole);
    QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);
    QSignalSpy spyFinished(m_pView.get(), &CBaseItemView::SignalEditingFinished);

    QLineEdit* pEdit = openLineEditor(pItem->index());
    QVERIFY(pEdit);
    QCOMPARE(pEdit->text(), QStringLiteral("40"));
    pEdit->clear();
    QTest::keyClicks(pEdit, QString::number(iTop) + QStringLiteral("0"));
    QCOMPARE(pEdit->text(), QString::number(iTop));
    QTest::keyClick(pEdit, Qt::Key_Return);

    QTRY_COMPARE(spyChanged.count(), 1);
    QCOMPARE(pItem->text(), QString::number(iTop));
    QCOMPARE(spyFinished.count(), 1);
}

void TestItemViews::unfinishedNumberIsHandedOver_data()
{
    QTest::addColumn<int>("iRole");
    QTest::addColumn<QString>("qsTyped");
    QTest::addColumn<bool>("bEnter");

    QTest::newRow("0 of 1..999, Enter") << int(tools::IntRange1To999Role) << "0" << true;
    QTest::newRow("0 of 1..999, leaving the cell")
        << int(tools::IntRange1To999Role) << "0" << false;
    QTest::newRow("31 of 32..16384, Enter") << int(tools::IntRange32To16384Role) << "31" << true;
    QTest::newRow("nothing, leaving the cell") << int(tools::IntRange1To384000Role) << "" << false;
}

// A number out of its range reaches the model, which judges and reports it,
// here as the device tree does: a modal message, then the stored value back.
// The message takes the focus from the editor; that hands nothing over twice.
void TestItemViews::unfinishedNumberIsHandedOver()
{
    QFETCH(int, iRole);
    QFETCH(QString, qsTyped);
    QFETCH(bool, bEnter);
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 0);
    pItem->setText(QStringLiteral("40"));
    pItem->setData(QString(), iRole);
    QStringList lstHandedOver;
    QObject receiver;
    connect(m_pModel, &QStandardItemModel::itemChanged, &receiver, [&](QStandardItem* pChanged) {
        lstHandedOver << pChanged->text();
        if (pChanged->text() == QStringLiteral("40")) {
            return;
        }
        ModalAnswer answer([](QWidget* pDialog) { static_cast<QDialog*>(pDialog)->reject(); });
        QDialog message(m_pView.get());
        message.exec();
        pChanged->setText(QStringLiteral("40"));
    });
    m_pView->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pView.get()));

    QLineEdit* pEdit = openLineEditor(pItem->index());
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

void TestItemViews::comboEditorGainsMissingText()
{
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 0);
    pItem->setText(QStringLiteral("WD1"));
    pItem->setData(QStringList{QStringLiteral("4CIF"), QStringLiteral("CIF")},
                   tools::ComboChoicesRole);
    QSignalSpy spyText(m_pView.get(), &CBaseItemView::SignalComboBoxTextChanged);

    m_pView->setCurrentIndex(pItem->index());
    m_pView->edit(pItem->index());
    auto* pCombo = qobject_cast<QComboBox*>(m_pView->indexWidget(pItem->index()));
    QVERIFY(pCombo);
    QCOMPARE(pCombo->count(), 3);
    QCOMPARE(pCombo->currentText(), QStringLiteral("WD1"));
    QCOMPARE(pItem->data(tools::ComboChoicesRole).toStringList(),
             (QStringList{QStringLiteral("4CIF"), QStringLiteral("CIF"), QStringLiteral("WD1")}));
    QCOMPARE(pCombo->size(), m_pView->visualRect(pItem->index()).size());

    QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);
    pCombo->setCurrentIndex(1);
    QTest::keyClick(pCombo, Qt::Key_Return);

    QTRY_COMPARE(spyChanged.count(), 1);
    QCOMPARE(pItem->text(), QStringLiteral("CIF"));
    QCOMPARE(spyText.count(), 1);
}

void TestItemViews::dateEditorCommitsTypedDate()
{
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 0);
    const QDate date(2024, 2, 29);
    pItem->setData(date, tools::DateEditRole);
    QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);

    m_pView->setCurrentIndex(pItem->index());
    m_pView->edit(pItem->index());
    auto* pEdit = qobject_cast<QDateEdit*>(m_pView->indexWidget(pItem->index()));
    QVERIFY(pEdit);
    QCOMPARE(pEdit->date(), date);
    pEdit->setDate(date.addDays(1));
    QTest::keyClick(pEdit, Qt::Key_Return);

    QTRY_COMPARE(spyChanged.count(), 1);
    const QVariant stored = pItem->data(Qt::EditRole);
    QCOMPARE(stored.userType(), int(QMetaType::QDate));
    QCOMPARE(stored.toDate(), QDate(2024, 3, 1));
}

void TestItemViews::defaultEditorRefusesForbiddenInput_data()
{
    QTest::addColumn<QVariant>("forbidden");
    QTest::addColumn<QVariant>("byteLimit");
    QTest::addColumn<QString>("qsTyped");
    QTest::addColumn<QString>("qsExpected");

    QTest::newRow("plain") << QVariant() << QVariant() << "a1 b2"
                           << "a1 b2";
    QTest::newRow("empty pattern") << QVariant(QRegExp()) << QVariant() << "a1"
                                   << "a1";
    QTest::newRow("digits forbidden")
        << QVariant(QRegExp(QStringLiteral("[0-9]"))) << QVariant() << "a1b2c"
        << "abc";
    QTest::newRow("three bytes") << QVariant() << QVariant(3) << "abcd"
                                 << "abc";
}

void TestItemViews::defaultEditorRefusesForbiddenInput()
{
    QFETCH(QVariant, forbidden);
    QFETCH(QVariant, byteLimit);
    QFETCH(QString, qsTyped);
    QFETCH(QString, qsExpected);
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 0);
    pItem->setText(QString());
    pItem->setData(forbidden, tools::ForbiddenInputRole);
    pItem->setData(byteLimit, tools::ByteLimitRole);
    QSignalSpy spyChanged(m_pModel, &QStandardItemModel::itemChanged);

    QLineEdit* pEdit = openLineEditor(pItem->index());
    QVERIFY(pEdit);
    QTest::keyClicks(pEdit, qsTyped);
    QCOMPARE(pEdit->text(), qsExpected);
    QTest::keyClick(pEdit, Qt::Key_Return);

    QTRY_COMPARE(spyChanged.count(), 1);
    QCOMPARE(pItem->text(), qsExpected);
}

void TestItemViews::singleClickOpensEditorWhenFlagged()
{
    buildRows(2);
    m_pModel->item(1, 0)->setData(tools::kClickFlagSingleClickEdit, tools::ClickFlagsRole);
    const QModelIndex plain = m_pModel->index(0, 0);
    const QModelIndex flagged = m_pModel->index(1, 0);

    QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, m_pView->visualRect(plain).center());
    QVERIFY(!m_pView->indexWidget(plain));

    QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {},
                      m_pView->visualRect(flagged).center());
    QVERIFY(qobject_cast<QLineEdit*>(m_pView->indexWidget(flagged)));
}

void TestItemViews::checkStateFollowsChildren()
{
    buildRows(1);
    QStandardItem* pParent = m_pModel->item(0, 0);
    pParent->setCheckable(true);
    pParent->setCheckState(Qt::Unchecked);
    QList<QStandardItem*> children;
    for (int i = 0; i < 3; ++i) {
        auto* pChild = new QStandardItem(QStringLiteral("Child %1").arg(i));
        pChild->setCheckable(true);
        pChild->setCheckState(i == 0 ? Qt::Checked : Qt::Unchecked);
        children.append(pChild);
        pParent->appendRow(pChild);
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

void TestItemViews::checkStatePropagationCanBeTurnedOff()
{
    buildRows(1);
    m_pView->SetCheckStatePropagation(false);
    QStandardItem* pParent = m_pModel->item(0, 0);
    pParent->setCheckable(true);
    pParent->setCheckState(Qt::Unchecked);
    auto* pChild = new QStandardItem(QStringLiteral("Child"));
    pChild->setCheckable(true);
    pChild->setCheckState(Qt::Checked);
    pParent->appendRow(pChild);

    QTest::qWait(50);

    QCOMPARE(pParent->checkState(), Qt::Unchecked);
}

void TestItemViews::removedParentIsNotUpdated()
{
    buildRows(2);
    QStandardItem* pParent = m_pModel->item(0, 0);
    pParent->setCheckable(true);
    pParent->setCheckState(Qt::Unchecked);
    auto* pChild = new QStandardItem(QStringLiteral("Child"));
    pChild->setCheckable(true);
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

void TestItemViews::gridLineDrawnInItsColour()
{
    const QColor magenta(255, 0, 255);
    QVERIFY(!m_pView->IsGridLineVisible());
    QCOMPARE(m_pView->GridLineColor(), QColor(214, 214, 214));
    buildRows(2);
    const QRect rcRow = m_pView->visualRect(m_pModel->index(0, 0));
    const QPoint ptLeft(rcRow.left() + 2, rcRow.bottom());
    const QPoint ptRight(m_pView->visualRect(m_pModel->index(0, 1)).right() - 2, rcRow.bottom());
    QVERIFY(m_pView->setProperty("m_colorGridLine", magenta));
    QVERIFY(!looksLike(pixelAt(ptLeft), magenta));

    m_pView->SetGridLineVisible(true);

    QVERIFY(looksLike(pixelAt(ptLeft), magenta));
    QVERIFY(looksLike(pixelAt(ptRight), magenta));
    QVERIFY(!looksLike(pixelAt(ptLeft - QPoint(0, 1)), magenta));
}

void TestItemViews::gridLineColourFromStyleSheet()
{
    m_pView->setStyleSheet(QStringLiteral("CNewTreeView { qproperty-m_colorGridLine: #00ff00; }"));
    m_pView->SetGridLineVisible(true);
    buildRows(1);
    const QRect rcRow = m_pView->visualRect(m_pModel->index(0, 0));

    QCOMPARE(m_pView->GridLineColor(), QColor(0, 255, 0));
    QVERIFY(looksLike(pixelAt(QPoint(rcRow.left() + 2, rcRow.bottom())), QColor(0, 255, 0)));
}

void TestItemViews::pressedPixmapWhileButtonDown()
{
    const QColor kPressedColor(255, 255, 0);
    buildRows(1);
    m_pModel->item(0, 1)->setData(filled(kHoverColor), tools::ZoneHoverPixmap2Role);
    m_pModel->item(0, 1)->setData(filled(kPressedColor), tools::ZonePressedPixmap2Role);
    m_pView->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pView.get()));
    const QPoint ptEdit = zoneRect(m_pView->visualRect(m_pModel->index(0, 1)), 1, true).center();
    QCursor::setPos(m_pView->viewport()->mapToGlobal(ptEdit));
    hoverAt(ptEdit);

    QTest::mousePress(m_pView->viewport(), Qt::LeftButton, {}, ptEdit);
    QVERIFY(looksLike(pixelAt(ptEdit), kPressedColor));

    QTest::mouseRelease(m_pView->viewport(), Qt::LeftButton, {}, ptEdit);
    QVERIFY(looksLike(pixelAt(ptEdit), kHoverColor));
}

void TestItemViews::delegateWithoutZonesReportsNoClick_data()
{
    QTest::addColumn<bool>("bPlainQtDelegate");

    QTest::newRow("base delegate") << false;
    QTest::newRow("delegate without the slots") << true;
}

void TestItemViews::delegateWithoutZonesReportsNoClick()
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

void TestItemViews::editorOfCheckableCellClearsCheckBox()
{
    buildRows(1);
    QStandardItem* pItem = m_pModel->item(0, 0);
    pItem->setCheckable(true);
    const QRect rcCell = m_pView->visualRect(pItem->index());

    QLineEdit* pEdit = openLineEditor(pItem->index());

    QVERIFY(pEdit);
    const int iCheckBoxWidth = m_pView->style()->pixelMetric(QStyle::PM_SmallIconSize);
    QCOMPARE(pEdit->geometry().left(), rcCell.left() + iCheckBoxWidth + 4);
    QCOMPARE(pEdit->geometry().right(), rcCell.right());
}

void TestItemViews::toolTipFallsBackToDisplayText()
{
    buildRows(1);
    m_pModel->item(0, 1)->setToolTip(QStringLiteral("Edit and Delete"));
    const QPoint ptName = m_pView->visualRect(m_pModel->index(0, 0)).center();
    const QPoint ptZones = m_pView->visualRect(m_pModel->index(0, 1)).center();

    QHelpEvent nameTip(QEvent::ToolTip, ptName, m_pView->viewport()->mapToGlobal(ptName));
    QApplication::sendEvent(m_pView->viewport(), &nameTip);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Task 0"));

    QHelpEvent zoneTip(QEvent::ToolTip, ptZones, m_pView->viewport()->mapToGlobal(ptZones));
    QApplication::sendEvent(m_pView->viewport(), &zoneTip);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Edit and Delete"));
}

void TestItemViews::headerCheckStateIsForwarded()
{
    auto* pHeader = qobject_cast<CHeaderView*>(m_pView->header());
    QVERIFY(pHeader);
    QSignalSpy spy(m_pView.get(), &CBaseItemView::SignalHeaderCheckStateChanged);

    pHeader->SetCheckState(Qt::Checked);
    pHeader->SetCheckState(Qt::Checked);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Qt::CheckState>(), Qt::Checked);
}

QTEST_MAIN(TestItemViews)
#include "tst_itemviews.moc"

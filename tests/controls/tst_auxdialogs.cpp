#include "controls/CInformationDlg.h"
#include "controls/CMutiroleDialog.h"
#include "controls/CWarnInfoDlg.h"

#include "ModalAnswer.h"

#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {
QPushButton* closeButton(const QWidget* pDialog)
{
    return pDialog->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"));
}

// Closes only at the second request, as a frame with unsaved input would.
class AskingFrame : public CMutiroleDialog
{
public:
    using CMutiroleDialog::CMutiroleDialog;
    int iCloseRequests = 0;

    void DialogCloseSlot() override
    {
        if (++iCloseRequests >= 2) {
            CMutiroleDialog::DialogCloseSlot();
        }
    }
};
} // namespace

class TestAuxDialogs : public QObject
{
    Q_OBJECT
private slots:
    void mutiroleShowsItselfInFrame();
    void mutiroleCloseGoesThroughItsSlot();
    void warnInfoShowsBoxOnItsParent();
    void warnInfoWithoutParentShowsNothing();
    void informationHidesWhenPointerIsAway();
};

void TestAuxDialogs::mutiroleShowsItselfInFrame()
{
    QWidget owner;
    owner.show();
    auto* pFrame = new CMutiroleDialog(&owner);
    QString qsTitle;
    bool bInsideFrame = false;
    ModalAnswer answer([&](QWidget* pModal) {
        qsTitle = pModal->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
        bInsideFrame = pFrame->isVisible() && pModal->isAncestorOf(pFrame);
        closeButton(pModal)->click();
    });
    QCOMPARE(pFrame->ShowDialog(QStringLiteral("Details")), 0);
    QVERIFY(answer.answered());
    QCOMPARE(qsTitle, QStringLiteral("Details"));
    QVERIFY(bInsideFrame);
    QVERIFY(pFrame->styleSheet().contains(QStringLiteral("QFrame#CMutiroleDialog")));
    QCOMPARE(pFrame->parentWidget(), &owner);
    QVERIFY(!pFrame->isVisible());
    ModalAnswer again([](QWidget* pModal) { closeButton(pModal)->click(); });
    QCOMPARE(pFrame->ShowDialog(QStringLiteral("Again")), 0);
    QVERIFY(again.answered());
}

void TestAuxDialogs::mutiroleCloseGoesThroughItsSlot()
{
    QWidget owner;
    owner.show();
    auto* pFrame = new AskingFrame(&owner);
    bool bOpenAfterFirstClose = false;
    ModalAnswer answer([&](QWidget* pModal) {
        closeButton(pModal)->click();
        bOpenAfterFirstClose = pModal->isVisible();
        closeButton(pModal)->click();
    });
    QCOMPARE(pFrame->ShowDialog(QStringLiteral("Edit")), 0);
    QVERIFY(answer.answered());
    QVERIFY(bOpenAfterFirstClose);
    QCOMPARE(pFrame->iCloseRequests, 2);
}

void TestAuxDialogs::warnInfoShowsBoxOnItsParent()
{
    QWidget parent;
    parent.show();
    CWarnInfoDlg::Instance()->SetParentWidget(&parent);
    QString qsTitle;
    QString qsText;
    bool bOkShown = true;
    ModalAnswer answer([&](QWidget* pModal) {
        qsTitle = pModal->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
        qsText = pModal->findChild<QTextBrowser*>()->toPlainText();
        bOkShown = pModal->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->isVisible();
        closeButton(pModal)->click();
    });
    emit CWarnInfoDlg::Instance()->ShowMsgInfoSig(QStringLiteral("Upgrade"),
                                                  QStringLiteral("Adding failed."));
    QVERIFY(answer.answered());
    QCOMPARE(qsTitle, QStringLiteral("Upgrade"));
    QCOMPARE(qsText, QStringLiteral("Adding failed."));
    QVERIFY(!bOkShown);
    CWarnInfoDlg::Instance()->SetParentWidget(nullptr);
}

void TestAuxDialogs::warnInfoWithoutParentShowsNothing()
{
    CWarnInfoDlg::Instance()->SetParentWidget(nullptr);
    ModalAnswer answer([](QWidget* pModal) { pModal->hide(); }, 300);
    emit CWarnInfoDlg::Instance()->ShowMsgInfoSig(QStringLiteral("Info"), QStringLiteral("x"));
    QTest::qWait(400);
    QVERIFY(!answer.answered());
}

void TestAuxDialogs::informationHidesWhenPointerIsAway()
{
    CInformationDlg tip;
    QCOMPARE(tip.objectName(), QStringLiteral("m_this"));
    QVERIFY(tip.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(tip.windowFlags() & Qt::FramelessWindowHint);
    tip.ShowInfo(QStringLiteral("Saved."), QString(), QPoint(100, 100));
    QVERIFY(tip.isVisible());
    QCOMPARE(tip.findChild<QLabel*>()->text(), QStringLiteral("Saved."));
    QCursor::setPos(tip.frameGeometry().center());
    if (QCursor::pos() != tip.frameGeometry().center()) {
        QSKIP("The platform does not move the pointer");
    }
    tip.HideWnd();
    QVERIFY(tip.isVisible());
    QCursor::setPos(tip.frameGeometry().bottomRight() + QPoint(50, 50));
    QTRY_VERIFY(!tip.isVisible());
}

QTEST_MAIN(TestAuxDialogs)
#include "tst_auxdialogs.moc"

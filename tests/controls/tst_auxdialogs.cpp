#include "controls/CInformationDlg.h"
#include "controls/CMutiroleDialog.h"
#include "controls/CWarnInfoDlg.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
void clickClose(QWidget* pDialog)
{
    WarnDlgContent::click(pDialog, "m_pCloseBtn");
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
    void mutiroleShowsItselfInFrame()
    {
        QWidget owner;
        owner.show();
        auto* pFrame = new CMutiroleDialog(&owner);
        QString qsTitle;
        bool bInsideFrame = false;
        ModalAnswer answer([&](QWidget* pModal) {
            qsTitle = WarnDlgContent::of(pModal).qsTitle;
            bInsideFrame = pFrame->isVisible() && pModal->isAncestorOf(pFrame);
            clickClose(pModal);
        });
        QCOMPARE(pFrame->ShowDialog(QStringLiteral("Details")), 0);
        QVERIFY(answer.answered());
        QCOMPARE(qsTitle, QStringLiteral("Details"));
        QVERIFY(bInsideFrame);
        QVERIFY(pFrame->styleSheet().contains(QStringLiteral("QFrame#CMutiroleDialog")));
        QCOMPARE(pFrame->parentWidget(), &owner);
        QVERIFY(!pFrame->isVisible());
        ModalAnswer again(clickClose);
        QCOMPARE(pFrame->ShowDialog(QStringLiteral("Again")), 0);
        QVERIFY(again.answered());
    }

    void mutiroleCloseGoesThroughItsSlot()
    {
        QWidget owner;
        owner.show();
        auto* pFrame = new AskingFrame(&owner);
        bool bOpenAfterFirstClose = false;
        ModalAnswer answer([&](QWidget* pModal) {
            clickClose(pModal);
            bOpenAfterFirstClose = pModal->isVisible();
            clickClose(pModal);
        });
        QCOMPARE(pFrame->ShowDialog(QStringLiteral("Edit")), 0);
        QVERIFY(answer.answered());
        QVERIFY(bOpenAfterFirstClose);
        QCOMPARE(pFrame->iCloseRequests, 2);
    }

    void warnInfoShowsBoxOnItsParentOnly()
    {
        CWarnInfoDlg::Instance()->SetParentWidget(nullptr);
        ModalAnswer none([](QWidget* pModal) { pModal->hide(); }, 300);
        emit CWarnInfoDlg::Instance()->ShowMsgInfoSig(QStringLiteral("Info"), QStringLiteral("x"));
        QTest::qWait(400);
        QVERIFY(!none.answered());

        QWidget parent;
        parent.show();
        CWarnInfoDlg::Instance()->SetParentWidget(&parent);
        WarnDlgContent content;
        bool bOkShown = true;
        ModalAnswer answer([&](QWidget* pModal) {
            content = WarnDlgContent::of(pModal);
            bOkShown = pModal->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->isVisible();
            clickClose(pModal);
        });
        emit CWarnInfoDlg::Instance()->ShowMsgInfoSig(QStringLiteral("Upgrade"),
                                                      QStringLiteral("Adding failed."));
        QVERIFY(answer.answered());
        QCOMPARE(content.qsTitle, QStringLiteral("Upgrade"));
        QCOMPARE(content.qsText, QStringLiteral("Adding failed."));
        QVERIFY(!bOkShown);
        CWarnInfoDlg::Instance()->SetParentWidget(nullptr);
    }

    void informationHidesWhenPointerIsAway()
    {
        CInformationDlg tip;
        QVERIFY(tip.windowFlags() & Qt::WindowStaysOnTopHint);
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
};

QTEST_MAIN(TestAuxDialogs)
#include "tst_auxdialogs.moc"

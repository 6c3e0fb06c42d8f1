#include "shell/TopWidget.h"

#include "export/PrintWidget.h"
#include "shell/CDlgAbout.h"
#include "shell/UserManual.h"

#include "ui_TopWidget.h"

#include <QAction>
#include <QCursor>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPalette>

namespace {
const char* const kFullSelectedTab =
    "QPushButton{border-image:url(:/images/Tab/TabSelect.png); color: rgb(255, 255, 255); "
    "border-width:0px;}                                      "
    "QPushButton:hover,QPushButton:pressed,QPushButton:focus{border-image:border-image:url(:/"
    "images/Tab/TabSelect.png); color: rgb(255, 255, 255); border-width:0px;}";
const char* const kEmbeddedSelectedTab =
    "QPushButton{border-image:url(:/images/Tab/SubTabSelect.png); color: rgb(255, 0, 0); "
    "border-width:0px;}                                      "
    "QPushButton:hover,QPushButton:pressed,QPushButton:focus{border-image:border-image:url(:/"
    "images/Tab/SubTabSelect.png); color: rgb(255, 255, 255); border-width:0px;}";
const char* const kInitialSelectedTab = "QPushButton{border-image:url(:/images/Tab/TabSelect.png); "
                                        "color: rgb(255, 255, 255); border-width:0px;}";
const char* const kFullUnselectedTab =
    "QPushButton{border-image:url(:/images/Tab/TabUnselect.png); "
    "color: rgb(255, 255, 255); border-width:0px;}";
const char* const kEmbeddedUnselectedTab =
    "QPushButton{border-image:url(:/images/Tab/SubTabUnselect.png); color: rgb(0, 0, 0); "
    "border-width:0px;}";
const char* const kFullTabFrame =
    "QFrame{background-image:url(:/images/Tab/tab_bg.png); border:none;}";
const char* const kEmbeddedTabFrame =
    "QFrame{background-image:url(:/images/Tab/Subtab_bg.png); border:none;}";

const int kFullTabHeight = 40;
const int kEmbeddedTabHeight = 23;
} // namespace

TopWidget::TopWidget(QWidget* parent) : QWidget(parent), m_pUi(new Ui::TopWidget), m_bFullTab(true)
{
    m_pUi->setupUi(this);
    QPalette palette = m_pUi->labelDecription->palette();
    palette.setColor(QPalette::WindowText, QColor(QStringLiteral("#5499E6")));
    m_pUi->labelDecription->setPalette(palette);
    m_pUi->pBtnUpgrade->setStyleSheet(QString::fromLatin1(kInitialSelectedTab));
    m_pUi->pBtnAbout->setStyleSheet(QString::fromLatin1(kFullUnselectedTab));
    connect(m_pUi->btnPrint, &QPushButton::clicked, this, &TopWidget::onPrint);
    connect(m_pUi->pBtnAbout, &QPushButton::clicked, this, &TopWidget::onBtnClickedAbout);
}

TopWidget::~TopWidget()
{
    delete m_pUi;
}

void TopWidget::changeTabStyle(bool bFull)
{
    if (bFull == m_bFullTab) {
        return;
    }
    m_bFullTab = bFull;
    m_pUi->pBtnUpgrade->setStyleSheet(
        QString::fromLatin1(bFull ? kFullSelectedTab : kEmbeddedSelectedTab));
    m_pUi->pBtnAbout->setStyleSheet(
        QString::fromLatin1(bFull ? kFullUnselectedTab : kEmbeddedUnselectedTab));
    m_pUi->pTabFrame->setStyleSheet(QString::fromLatin1(bFull ? kFullTabFrame : kEmbeddedTabFrame));

    const int iHeight = bFull ? kFullTabHeight : kEmbeddedTabHeight;
    m_pUi->pTabFrame->setMinimumHeight(iHeight);
    m_pUi->pBtnUpgrade->setFixedHeight(iHeight);
    m_pUi->pBtnAbout->setFixedHeight(iHeight);

    m_pUi->pBtnUpgrade->setIcon(
        bFull ? QIcon(QStringLiteral(":/images/DiskCalculate/calculate32.png")) : QIcon());
    m_pUi->pBtnAbout->setIcon(bFull ? QIcon(QStringLiteral(":/images/Tab/Information.png"))
                                    : QIcon());
    const QSize iconSize = bFull ? QSize(32, 32) : QSize(16, 16);
    m_pUi->pBtnUpgrade->setIconSize(iconSize);
    m_pUi->pBtnAbout->setIconSize(iconSize);
}

void TopWidget::slotCurrentTask(const QString& qsTaskName)
{
    m_strTaskName = qsTaskName;
}

void TopWidget::slotPrintInfo(std::vector<PrintDevInfo>& vsDevInfo)
{
    m_vecDevInfo.clear();
    m_vecDevInfo = vsDevInfo;
}

void TopWidget::slotPrintInfo(const QString& qsBandwidth)
{
    m_strBandwidth = qsBandwidth;
}

void TopWidget::slotPrintInfo(const QString& qsType, const QString& qsNum)
{
    m_strNvrType = qsType;
    m_strNvrNum = qsNum;
}

void TopWidget::slotPrintInfo(const QString& qsMonth, const QString& qsWeek, const QString& qsDay,
                              const QString& qsCap)
{
    m_strRecordMonth = qsMonth;
    m_strRecordWeek = qsWeek;
    m_strRecordDay = qsDay;
    m_strCapacity = qsCap;
}

void TopWidget::slotPic(QPrinter* printer)
{
    Q_UNUSED(printer)
}

void TopWidget::onPrint()
{
    emit signalPrintInfo();

    PrintWidget dialog;
    dialog.SetTaskInfo(m_strTaskName, m_vecDevInfo);
    dialog.SetNvrInfo(m_strNvrType, m_strNvrNum);
    dialog.SetBandwidthInfo(m_strBandwidth);
    dialog.SetCapacityInfo(m_strRecordMonth, m_strRecordWeek, m_strRecordDay, m_strCapacity);
    dialog.exec();
}

void TopWidget::onBtnClickedAbout()
{
    QMenu menu;
    QAction* pManual =
        menu.addAction(QIcon(QStringLiteral(":/images/Help.png")), tr("User Manual"));
    pManual->setShortcut(QKeySequence(Qt::Key_F1));
    connect(pManual, &QAction::triggered, this, &TopWidget::onGetHelp);
    QAction* pAbout = menu.addAction(QIcon(QStringLiteral(":/images/About.png")), tr("About"));
    connect(pAbout, &QAction::triggered, this, &TopWidget::getVersion);
    menu.exec(QCursor::pos());
}

void TopWidget::onGetHelp()
{
    UserManual::openOrExplain(this);
}

void TopWidget::getVersion()
{
    CDlgAbout about(this);
    about.exec();
}

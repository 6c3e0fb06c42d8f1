#include "entry/CKesaApplication.h"

#include "config/ClientConfig.h"
#include "controls/CWarnDlg.h"
#include "entry/CKesaStyle.h"
#include "entry/SkinPlugins.h"
#include "entry/StartUp.h"

#include <QDebug>
#include <QFile>
#include <QIcon>
#include <QScreen>

namespace {
const char* const kStyleSheetFolder = ":/KesaClient/Qss/Qss/";
const char* const kStyleSheets[] = {"VEX_CAL.qss"};

void showUpgradeInformation(const QString& qsText)
{
    // No window exists yet: the box stands on its own.
    CWarnDlg dialog(nullptr);
    dialog.ExecInfo(QCoreApplication::translate("CKesaApplication", "Upgrade"), qsText);
}
} // namespace

CKesaApplication::CKesaApplication(int& argc, char** argv, const QString& qsAppName)
    : QApplication(argc, argv), m_bRunning(false)
{
    setApplicationName(qsAppName);
    QFont appFont(QStringLiteral("Arial"), 9);
    appFont.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    setFont(appFont);

    addPluginLibraryPath();
    loadClientConfig();

    const QString qsSkin = ClientConfig::Instance()->text(ClientConfig::Skin);
    if (!qsSkin.isEmpty()) {
        loadSkinPlugins(qsSkin, applicationDirPath() + QStringLiteral("/") +
                                    QStringLiteral("/plugins/skins/"));
    }
    installLanguageTranslators();
    setStyle(new CKesaStyle);
    applyStyleSheets();
    // Setting a style or a style sheet refills Qt's table of class fonts, so
    // the class font is set after them.
    applyClassFonts();
    setWindowIcon(QIcon(QStringLiteral(":/images/VEX-Calculate.png")));
    claimSingleInstance(qsAppName);
}

CKesaApplication::~CKesaApplication()
{
    ClientConfig::Instance()->clear();
}

void CKesaApplication::applyClassFonts()
{
    QFont labelFont = font();
    labelFont.setPointSize(10);
    setFont(labelFont, "CToolLabel");
}

void CKesaApplication::applyStyleSheets()
{
    QString qsStyleSheet;
    for (const char* pszName : kStyleSheets) {
        QFile file(QString::fromLatin1(kStyleSheetFolder) + QString::fromLatin1(pszName));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qsStyleSheet += QString::fromUtf8(file.readAll());
        }
    }
    setStyleSheet(qsStyleSheet);
}

void CKesaApplication::claimSingleInstance(const QString& qsKey)
{
    // A program that was killed leaves its segment behind with no process
    // attached; the last detach removes it, so a stale segment does not
    // pass for a running instance.
    {
        QSharedMemory stale(qsKey);
        if (stale.attach()) {
            stale.detach();
        }
    }
    m_sharedMemory.setKey(qsKey);
    if (m_sharedMemory.attach()) {
        m_bRunning = true;
        return;
    }
    m_bRunning = false;
    if (!m_sharedMemory.create(1)) {
        qDebug() << "Unable to create single instance.";
    }
}

bool CKesaApplication::isRunning()
{
    if (m_bRunning) {
        showUpgradeInformation(tr("Software is already running."));
    }
    return m_bRunning;
}

bool CKesaApplication::checkResolution()
{
    const QSize screenSize = primaryScreen()->geometry().size();
    if (screenSize.width() < 1024 || screenSize.height() < 768) {
        showUpgradeInformation(tr("The least resolution is 1024*768."));
        return false;
    }
    return true;
}

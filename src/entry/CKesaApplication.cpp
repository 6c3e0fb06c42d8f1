#include "entry/CKesaApplication.h"

#include "config/ClientConfig.h"
#include "controls/CWarnDlg.h"
#include "entry/CKesaStyle.h"
#include "entry/SkinPlugins.h"
#include "entry/StartUp.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLockFile>
#include <QScreen>
#include <QStandardPaths>

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

// The lock lives in the user's runtime directory, so that each user (and
// only the user) runs one instance. A lock left by a program that was killed
// names a process that no longer runs and is taken over.
void CKesaApplication::claimSingleInstance(const QString& qsKey)
{
    QString qsFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (qsFolder.isEmpty()) {
        qsFolder = QDir::homePath();
    }
    m_pInstanceLock =
        std::make_unique<QLockFile>(qsFolder + QLatin1Char('/') + qsKey + QStringLiteral(".lock"));
    // A running instance's lock never goes stale however old it is.
    m_pInstanceLock->setStaleLockTime(0);
    m_bRunning = false;
    if (m_pInstanceLock->tryLock(0)) {
        return;
    }
    if (m_pInstanceLock->error() == QLockFile::LockFailedError) {
        m_bRunning = true;
    } else {
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

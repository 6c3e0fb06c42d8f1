#include "entry/VardexEntry.h"

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QLibrary>
#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {
const char* const kFullFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:58;}";
const char* const kEmbeddedFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:23 58 58 58;}";

// The plug-in carries its own copy of every class, so its objects are found
// by class name rather than by type.
QWidget* findByClassName(QWidget* pRoot, const char* pszClassName)
{
    const QList<QWidget*> children = pRoot->findChildren<QWidget*>();
    for (QWidget* pChild : children) {
        if (qstrcmp(pChild->metaObject()->className(), pszClassName) == 0) {
            return pChild;
        }
    }
    return nullptr;
}

int countMainWindows()
{
    int iCount = 0;
    const QList<QWidget*> widgets = QApplication::allWidgets();
    for (QWidget* pWidget : widgets) {
        if (qstrcmp(pWidget->metaObject()->className(), "MainWindow") == 0) {
            ++iCount;
        }
    }
    return iCount;
}

class StyleChangeCounter : public QObject
{
public:
    int iCount = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::StyleChange) {
            ++iCount;
        }
        return QObject::eventFilter(pWatched, pEvent);
    }
};

struct Host
{
    Host() : pParent(std::make_unique<QWidget>()), pLayout(new QGridLayout(pParent.get()))
    {
        pLayout->setContentsMargins(9, 9, 9, 9);
        pParent->resize(1100, 800);
        pParent->show();
    }
    std::unique_ptr<QWidget> pParent;
    QGridLayout* pLayout;
};
} // namespace

// Loads the built plug-in as a host does and drives it through its two entry
// points only.
class tst_PluginEntry : public QObject
{
    Q_OBJECT
private:
    QLibrary m_library;
    VardexOpenDialogFn m_pOpenDialog = nullptr;
    VardexChangeSizeFn m_pChangeSize = nullptr;
    Host m_firstHost;
    Host m_secondHost;

    QMainWindow* openedWindow(Host& host)
    {
        return host.pParent->findChild<QMainWindow*>(QStringLiteral("MainWindow"));
    }

private slots:
    void initTestCase()
    {
        // The Chinese interface, plain version type, from the application folder.
        QFile setup(QCoreApplication::applicationDirPath() + QStringLiteral("/Setup.xml"));
        QVERIFY(setup.open(QIODevice::WriteOnly));
        setup.write("<Configs><Translator><Value>1</Value></Translator>"
                    "<VersionType><Value>1</Value></VersionType></Configs>");
        setup.close();

        m_library.setFileName(qEnvironmentVariable("VARDEX_BIN_DIR") +
                              QStringLiteral("/libVardex.so"));
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        m_pOpenDialog =
            reinterpret_cast<VardexOpenDialogFn>(m_library.resolve("Vardex_OpenDialog"));
        m_pChangeSize =
            reinterpret_cast<VardexChangeSizeFn>(m_library.resolve("Vardex_ChangeSize"));
        QVERIFY(m_pOpenDialog);
        QVERIFY(m_pChangeSize);
    }

    void changeSizeBeforeOpenDoesNothing()
    {
        m_pChangeSize(false);
        m_pChangeSize(true);
        QCOMPARE(countMainWindows(), 0);
    }

    void firstOpenPlacesTheWindow()
    {
        QVERIFY(m_pOpenDialog(m_firstHost.pParent.get(), m_firstHost.pLayout, true));
        QMainWindow* pWindow = openedWindow(m_firstHost);
        QVERIFY(pWindow);
        QVERIFY(pWindow->isVisible());
        QCOMPARE(pWindow->windowTitle(), QStringLiteral("Vardex"));
        QCOMPARE(pWindow->styleSheet(), QString::fromLatin1(kFullFrameStyle));
        QVERIFY(m_firstHost.pLayout->indexOf(pWindow) >= 0);
        QCOMPARE(m_firstHost.pLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        QWidget* pTitle = findByClassName(pWindow, "CWindowTitle");
        QVERIFY(pTitle);
        QVERIFY(!pTitle->isHidden());
    }

    void chineseTranslatorsAreInstalled()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"),
                 QString::fromUtf8("\xe7\xa1\xae\xe5\xae\x9a"));
    }

    void secondOpenMovesTheOneWindow()
    {
        QMainWindow* pWindow = openedWindow(m_firstHost);
        QVERIFY(pWindow);
        QVERIFY(m_pOpenDialog(m_secondHost.pParent.get(), m_secondHost.pLayout, false));

        QCOMPARE(openedWindow(m_secondHost), pWindow);
        QVERIFY(!openedWindow(m_firstHost));
        QCOMPARE(countMainWindows(), 1);
        QVERIFY(m_secondHost.pLayout->indexOf(pWindow) >= 0);
        QCOMPARE(m_firstHost.pLayout->indexOf(pWindow), -1);
        QCOMPARE(m_secondHost.pLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        QVERIFY(pWindow->isVisible());
        QVERIFY(findByClassName(pWindow, "CWindowTitle")->isHidden());
    }

    void frameSwitchesOnlyOnChange()
    {
        QMainWindow* pWindow = openedWindow(m_secondHost);
        QVERIFY(pWindow);
        StyleChangeCounter counter;
        pWindow->installEventFilter(&counter);

        m_pChangeSize(false);
        QCOMPARE(pWindow->styleSheet(), QString::fromLatin1(kEmbeddedFrameStyle));
        const int iChangesAfterFirst = counter.iCount;
        QVERIFY(iChangesAfterFirst > 0);
        m_pChangeSize(false);
        QCOMPARE(counter.iCount, iChangesAfterFirst);
        QCOMPARE(pWindow->styleSheet(), QString::fromLatin1(kEmbeddedFrameStyle));

        m_pChangeSize(true);
        QCOMPARE(pWindow->styleSheet(), QString::fromLatin1(kFullFrameStyle));
        QVERIFY(counter.iCount > iChangesAfterFirst);
        pWindow->removeEventFilter(&counter);
    }

    void thirdOpenShowsTheTitleAgain()
    {
        QVERIFY(m_pOpenDialog(m_secondHost.pParent.get(), m_secondHost.pLayout, true));
        QMainWindow* pWindow = openedWindow(m_secondHost);
        QVERIFY(pWindow);
        QVERIFY(!findByClassName(pWindow, "CWindowTitle")->isHidden());
        QCOMPARE(countMainWindows(), 1);
    }
};

QTEST_MAIN(tst_PluginEntry)
#include "tst_pluginentry.moc"

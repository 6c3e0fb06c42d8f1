#include "controls/CFileDialog.h"
#include "controls/CPathComboBox.h"

#include "ModalAnswer.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// What the framed file dialog looked like when it opened.
struct Seen
{
    QString qsTitle;
    QString qsStartDir;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QStringList nameFilters;
    bool bLeftOpen = false;
    bool bAnswered = false;

    void read(QWidget* pFrame, QFileDialog* pFileDialog)
    {
        bAnswered = true;
        qsTitle = pFrame->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
        qsStartDir = pFileDialog->directory().absolutePath();
        fileMode = pFileDialog->fileMode();
        acceptMode = pFileDialog->acceptMode();
        nameFilters = pFileDialog->nameFilters();
    }
};

// Opens the box's framed file dialog and chooses qsPath, or cancels when it is
// null. A folder is chosen by entering it; a file name is typed into the name
// field (selectFile() leaves that field alone while it has the focus). Several
// files are typed as "\"a\" \"b\"" after entering their folder. A dialog that
// refuses the choice is cancelled, so a test fails instead of hanging.
Seen pick(CPathComboBox& box, const QString& qsPath)
{
    Seen seen;
    ModalAnswer answer([&seen, qsPath](QWidget* pModal) {
        auto* pFileDialog = pModal->findChild<QFileDialog*>();
        if (!pFileDialog) {
            static_cast<QDialog*>(pModal)->reject();
            return;
        }
        seen.read(pModal, pFileDialog);
        if (qsPath.isNull()) {
            pFileDialog->reject();
            return;
        }
        if (pFileDialog->fileMode() == QFileDialog::Directory) {
            pFileDialog->setDirectory(qsPath);
        } else {
            const QFileInfo chosen(qsPath);
            pFileDialog->setDirectory(chosen.absolutePath());
            pFileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(chosen.fileName());
        }
        static_cast<QDialog*>(pFileDialog)->accept();
        seen.bLeftOpen = pModal->isVisible();
        if (seen.bLeftOpen) {
            static_cast<QDialog*>(pModal)->reject();
        }
    });
    box.showPopup();
    return seen;
}
} // namespace

class TestCPathComboBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& qsName) const { return m_dir.path() + QLatin1Char('/') + qsName; }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("export"));
    }

    void directoryMode_data()
    {
        QTest::addColumn<QString>("qsStart"); // relative to the temporary folder
        QTest::addColumn<QString>("qsTitle"); // empty: the default one
        QTest::addColumn<QString>("qsChosen");
        QTest::addColumn<QString>("qsExpected");
        const QString qsTmp = m_dir.path();
        QTest::newRow("folder lacking a slash gains one")
            << QString() << QString() << qsTmp + "/export" << qsTmp + "/export/";
        QTest::newRow("starts at the current text")
            << qsTmp + "/export" << QString() << qsTmp << qsTmp + "/";
        const QString qsRoot = QStringLiteral("/");
        QTest::newRow("root keeps its slash") << QString() << "Save to" << qsRoot << qsRoot;
        QTest::newRow("cancel changes nothing") << qsTmp << QString() << QString() << qsTmp;
    }

    void directoryMode()
    {
        QFETCH(QString, qsStart);
        QFETCH(QString, qsTitle);
        QFETCH(QString, qsChosen);
        QFETCH(QString, qsExpected);
        CPathComboBox box;
        box.SetPathType(CPathComboBox::Directory);
        if (!qsTitle.isEmpty()) {
            box.SetDialogTitle(qsTitle);
        }
        if (!qsStart.isEmpty()) {
            box.addItem(qsStart);
        }
        box.setToolTip(QStringLiteral("kept"));

        const Seen seen = pick(box, qsChosen);

        QVERIFY(seen.bAnswered);
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.currentText(), qsExpected);
        QCOMPARE(box.toolTip(), qsChosen.isNull() ? QStringLiteral("kept") : qsExpected);
        QCOMPARE(seen.qsTitle, qsTitle.isEmpty() ? QStringLiteral("Select Directory") : qsTitle);
        QCOMPARE(seen.qsStartDir,
                 QDir(qsStart.isEmpty() ? QStringLiteral(".") : qsStart).absolutePath());
        QCOMPARE(seen.fileMode, QFileDialog::Directory);
    }

    void saveModeAddsFilterExtension_data()
    {
        QTest::addColumn<QString>("qsTyped");
        QTest::addColumn<QString>("qsExpected");
        QTest::newRow("no extension") << "report" << QStringLiteral("report.xls");
        QTest::newRow("has extension") << "report.xls" << QStringLiteral("report.xls");
        QTest::newRow("upper case extension") << "REPORT.XLS" << QStringLiteral("REPORT.XLS");
        QTest::newRow("other extension") << "report.txt" << QStringLiteral("report.txt.xls");
    }

    void saveModeAddsFilterExtension()
    {
        QFETCH(QString, qsTyped);
        QFETCH(QString, qsExpected);
        CPathComboBox box;
        box.SetPathType(CPathComboBox::SaveFile);
        box.SetFilter(QStringLiteral("Excel (*.xls)"));
        box.addItem(m_dir.path());
        const Seen seen = pick(box, path(qsTyped));
        QVERIFY(seen.bAnswered);
        QVERIFY(!seen.bLeftOpen);
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(seen.nameFilters, QStringList(QStringLiteral("Excel (*.xls)")));
        QCOMPARE(box.currentText(), path(qsExpected));
    }

    void openModesTakeExistingFiles_data()
    {
        QTest::addColumn<int>("iPathType");
        QTest::addColumn<QString>("qsTyped");
        QTest::addColumn<int>("iFileMode");
        QTest::addColumn<QString>("qsExpected");
        const QString qsTmp = m_dir.path();
        QTest::newRow("one file") << int(CPathComboBox::OpenFile) << "Task.xml"
                                  << int(QFileDialog::ExistingFile) << qsTmp + "/Task.xml";
        QTest::newRow("several files")
            << int(CPathComboBox::OpenFiles) << "\"a.xml\" \"b.xml\""
            << int(QFileDialog::ExistingFiles) << qsTmp + "/a.xml;" + qsTmp + "/b.xml";
    }

    void openModesTakeExistingFiles()
    {
        QFETCH(int, iPathType);
        QFETCH(QString, qsTyped);
        QFETCH(int, iFileMode);
        QFETCH(QString, qsExpected);
        for (const char* pszName : {"Task.xml", "a.xml", "b.xml"}) {
            QFile file(path(QLatin1String(pszName)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        CPathComboBox box;
        box.SetPathType(CPathComboBox::PathType(iPathType));
        box.addItem(m_dir.path());
        const Seen seen = pick(box, path(qsTyped));
        QVERIFY(seen.bAnswered);
        QCOMPARE(int(seen.fileMode), iFileMode);
        QCOMPARE(box.currentText(), qsExpected);
    }

    void setPathTypeCopiesTextToToolTip()
    {
        CPathComboBox box;
        box.addItem(QStringLiteral("/data/out/"));
        box.SetPathType(CPathComboBox::Directory);
        QCOMPARE(box.toolTip(), QStringLiteral("/data/out/"));
    }

    // The framed dialog: a close button, no button bar, its own colours.
    void staticDirectoryReturnsNullOnClose()
    {
        QSize size;
        bool bBottomShown = true;
        bool bCloseShown = false;
        QString qsStyle;
        ModalAnswer answer([&](QWidget* pModal) {
            size = pModal->size();
            bBottomShown =
                pModal->findChild<QFrame*>(QStringLiteral("m_pBottomFrame"))->isVisible();
            qsStyle = pModal->styleSheet();
            auto* pClose = pModal->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"));
            bCloseShown = pClose->isVisible();
            pClose->click();
        });
        QVERIFY(CFileDialog::getExistingDirectory(nullptr, QStringLiteral("Folder"), m_dir.path())
                    .isNull());
        QVERIFY(answer.answered());
        QCOMPARE(size, QSize(600, 400));
        QVERIFY(!bBottomShown);
        QVERIFY(bCloseShown);
        QVERIFY(qsStyle.contains(QStringLiteral("rgb(251,251,194)")));
        QVERIFY(qsStyle.contains(QStringLiteral("rgb(238,238,238)")));
    }
};

QTEST_MAIN(TestCPathComboBox)
#include "tst_cpathcombobox.moc"

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
    QSize size;
    bool bCloseShown = false;
    bool bBottomShown = true;
    QString qsStartDir;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QStringList nameFilters;
    QString qsStyle;
    bool bLeftOpen = false;

    void read(QWidget* pFrame, QFileDialog* pFileDialog)
    {
        qsTitle = pFrame->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
        size = pFrame->size();
        bCloseShown = pFrame->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"))->isVisible();
        bBottomShown = pFrame->findChild<QFrame*>(QStringLiteral("m_pBottomFrame"))->isVisible();
        qsStartDir = pFileDialog->directory().absolutePath();
        fileMode = pFileDialog->fileMode();
        acceptMode = pFileDialog->acceptMode();
        nameFilters = pFileDialog->nameFilters();
        qsStyle = pFrame->styleSheet();
    }
};

// Answers the next framed file dialog: chooses qsPath, or cancels when it is null.
// A folder is chosen by entering it; a file name is typed into the name field
// (selectFile() leaves that field alone while it has the focus). Several files
// are typed as "\"a\" \"b\"" after entering their folder. A dialog that refuses
// the choice is cancelled, so a test fails instead of hanging.
ModalAnswer* choose(Seen& seen, const QString& qsPath)
{
    return new ModalAnswer([&seen, qsPath](QWidget* pModal) {
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
}

void touch(const QString& qsPath)
{
    QFile file(qsPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class TestCPathComboBox : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void directoryModeAppendsSlash();
    void directoryModeStartsAtCurrentText();
    void directoryKeepsExistingSlashAndOwnTitle();
    void cancelChangesNothing();
    void saveModeAddsFilterExtension_data();
    void saveModeAddsFilterExtension();
    void openModeTakesExistingFile();
    void severalFilesModeJoinsThem();
    void setPathTypeCopiesTextToToolTip();
    void staticDirectoryReturnsNullOnClose();

private:
    QTemporaryDir m_dir;
};

void TestCPathComboBox::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("export"));
}

void TestCPathComboBox::directoryModeAppendsSlash()
{
    CPathComboBox box;
    box.SetPathType(CPathComboBox::Directory);
    const QString qsFolder = m_dir.path() + QStringLiteral("/export");
    Seen seen;
    QScopedPointer<ModalAnswer> answer(choose(seen, qsFolder));
    box.showPopup();
    QVERIFY(answer->answered());
    QCOMPARE(box.currentText(), qsFolder + QLatin1Char('/'));
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.toolTip(), qsFolder + QLatin1Char('/'));
    QCOMPARE(seen.qsTitle, QStringLiteral("Select Directory"));
    QCOMPARE(seen.size, QSize(600, 400));
    QVERIFY(seen.bCloseShown);
    QVERIFY(!seen.bBottomShown);
    QCOMPARE(seen.fileMode, QFileDialog::Directory);
    QCOMPARE(seen.qsStartDir, QDir(QStringLiteral(".")).absolutePath());
    QVERIFY(seen.qsStyle.contains(QStringLiteral("rgb(251,251,194)")));
    QVERIFY(seen.qsStyle.contains(QStringLiteral("rgb(238,238,238)")));
}

void TestCPathComboBox::directoryModeStartsAtCurrentText()
{
    CPathComboBox box;
    box.SetPathType(CPathComboBox::Directory);
    box.addItem(m_dir.path() + QStringLiteral("/export"));
    Seen seen;
    QScopedPointer<ModalAnswer> answer(choose(seen, m_dir.path()));
    box.showPopup();
    QVERIFY(answer->answered());
    QCOMPARE(seen.qsStartDir, m_dir.path() + QStringLiteral("/export"));
    QCOMPARE(box.currentText(), m_dir.path() + QLatin1Char('/'));
}

void TestCPathComboBox::directoryKeepsExistingSlashAndOwnTitle()
{
    CPathComboBox box;
    box.SetPathType(CPathComboBox::Directory);
    box.SetDialogTitle(QStringLiteral("Save to"));
    Seen seen;
    QScopedPointer<ModalAnswer> answer(choose(seen, QStringLiteral("/")));
    box.showPopup();
    QVERIFY(answer->answered());
    QCOMPARE(seen.qsTitle, QStringLiteral("Save to"));
    QCOMPARE(box.currentText(), QStringLiteral("/"));
}

void TestCPathComboBox::cancelChangesNothing()
{
    CPathComboBox box;
    box.SetPathType(CPathComboBox::Directory);
    box.addItem(m_dir.path());
    box.setToolTip(QStringLiteral("kept"));
    Seen seen;
    QScopedPointer<ModalAnswer> answer(choose(seen, QString()));
    box.showPopup();
    QVERIFY(answer->answered());
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.currentText(), m_dir.path());
    QCOMPARE(box.toolTip(), QStringLiteral("kept"));
}

void TestCPathComboBox::saveModeAddsFilterExtension_data()
{
    QTest::addColumn<QString>("qsTyped");
    QTest::addColumn<QString>("qsExpected");
    QTest::newRow("no extension") << "report"
                                  << "report.xls";
    QTest::newRow("has extension") << "report.xls"
                                   << "report.xls";
    QTest::newRow("upper case extension") << "REPORT.XLS"
                                          << "REPORT.XLS";
    QTest::newRow("other extension") << "report.txt"
                                     << "report.txt.xls";
}

void TestCPathComboBox::saveModeAddsFilterExtension()
{
    QFETCH(QString, qsTyped);
    QFETCH(QString, qsExpected);
    CPathComboBox box;
    box.SetPathType(CPathComboBox::SaveFile);
    box.SetFilter(QStringLiteral("Excel (*.xls)"));
    box.addItem(m_dir.path());
    Seen seen;
    QScopedPointer<ModalAnswer> answer(choose(seen, m_dir.path() + QLatin1Char('/') + qsTyped));
    box.showPopup();
    QVERIFY(answer->answered());
    QVERIFY(!seen.bLeftOpen);
    QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(seen.nameFilters, QStringList(QStringLiteral("Excel (*.xls)")));
    QCOMPARE(box.currentText(), m_dir.path() + QLatin1Char('/') + qsExpected);
}

void TestCPathComboBox::openModeTakesExistingFile()
{
    touch(m_dir.path() + QStringLiteral("/Task.xml"));
    CPathComboBox box;
    box.SetPathType(CPathComboBox::OpenFile);
    box.SetFilter(QStringLiteral("Task (*.xml)"));
    box.addItem(m_dir.path());
    Seen seen;
    QScopedPointer<ModalAnswer> answer(choose(seen, m_dir.path() + QStringLiteral("/Task.xml")));
    box.showPopup();
    QVERIFY(answer->answered());
    QCOMPARE(seen.fileMode, QFileDialog::ExistingFile);
    QCOMPARE(box.currentText(), m_dir.path() + QStringLiteral("/Task.xml"));
}

void TestCPathComboBox::severalFilesModeJoinsThem()
{
    touch(m_dir.path() + QStringLiteral("/a.xml"));
    touch(m_dir.path() + QStringLiteral("/b.xml"));
    CPathComboBox box;
    box.SetPathType(CPathComboBox::OpenFiles);
    box.addItem(m_dir.path());
    Seen seen;
    QScopedPointer<ModalAnswer> answer(
        choose(seen, m_dir.path() + QStringLiteral("/\"a.xml\" \"b.xml\"")));
    box.showPopup();
    QVERIFY(answer->answered());
    QCOMPARE(seen.fileMode, QFileDialog::ExistingFiles);
    QCOMPARE(box.currentText(),
             m_dir.path() + QStringLiteral("/a.xml;") + m_dir.path() + QStringLiteral("/b.xml"));
}

void TestCPathComboBox::setPathTypeCopiesTextToToolTip()
{
    CPathComboBox box;
    box.addItem(QStringLiteral("/data/out/"));
    box.SetPathType(CPathComboBox::Directory);
    QCOMPARE(box.toolTip(), QStringLiteral("/data/out/"));
}

void TestCPathComboBox::staticDirectoryReturnsNullOnClose()
{
    ModalAnswer answer([](QWidget* pModal) {
        pModal->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"))->click();
    });
    QVERIFY(CFileDialog::getExistingDirectory(nullptr, QStringLiteral("Folder"), m_dir.path())
                .isNull());
    QVERIFY(answer.answered());
}

QTEST_MAIN(TestCPathComboBox)
#include "tst_cpathcombobox.moc"

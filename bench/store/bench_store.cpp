// What a user of the window waits for, on generated Task.xml files of three
// sizes (50 tasks of 10 x 10, 20 x 20 and 40 x 40 device groups x stream
// groups), each action paired in the same run, interleaved, with the floor: a
// bare QDom parse and GB2312 save of the same file in the same process.
// Start-up and peak memory are measured on child processes of this program.
//
//   bench_store [rounds]           the table
//   bench_store --hostile [rounds] clicks on a task of 530000 stream groups

#include "devices/DeviceListWidget.h"
#include "model/XmlNode.h"
#include "shell/MainWindow.h"
#include "tasks/TaskManageWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <map>
#include <vector>

namespace {

constexpr int kTasks = 50;
constexpr int kShownTask = kTasks / 2;
constexpr int kHostileStreamGroups = 530000;

struct FileSize
{
    const char* pszName;
    int iGroups;
    int iStreams;
};

const FileSize kSizes[] = {{"S", 10, 10}, {"M", 20, 20}, {"L", 40, 40}};

// ---- Task files, written as the store writes them.

void appendField(QByteArray& out, const char* pszTag, const QByteArray& value)
{
    out += '<';
    out += pszTag;
    out += '>';
    out += value;
    out += "</";
    out += pszTag;
    out += ">\n";
}

void appendField(QByteArray& out, const char* pszTag, int iValue)
{
    appendField(out, pszTag, QByteArray::number(iValue));
}

void appendDeviceGroup(QByteArray& out, int iGroup, int iStreams)
{
    out += "<DeviceGroup>\n";
    appendField(out, "DeviceNum", 8);
    appendField(out, "Type", 0);
    appendField(out, "DeviceId", "IPC" + QByteArray::number(iGroup));
    appendField(out, "MainStream", 4096);
    appendField(out, "SubStream", 512);
    out += "<StreamGroupList>\n";
    for (int iStream = 1; iStream <= iStreams; ++iStream) {
        out += "<StreamGroup>\n";
        appendField(out, "StreamID", iStream);
        appendField(out, "StreamNum", 2);
        appendField(out, "Resolution", 6);
        appendField(out, "FrameRate", "12.5");
        appendField(out, "Bitrate", 2048);
        out += "</StreamGroup>\n";
    }
    out += "</StreamGroupList>\n</DeviceGroup>\n";
}

// Tasks "Task 0" .. of iGroups device groups of iStreams stream groups each.
QByteArray taskFile(int iTaskCount, int iGroups, int iStreams)
{
    const QByteArray remark =
        QTextCodec::codecForName("GB2312")->fromUnicode(QString::fromUtf8("东门停车场 remark"));
    QByteArray out = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskList>\n";
    for (int iTask = 0; iTask < iTaskCount; ++iTask) {
        out += "<Task>\n";
        appendField(out, "Name", "Task " + QByteArray::number(iTask));
        appendField(out, "Type", 3);
        appendField(out, "IPCNum", 16);
        appendField(out, "DVRNum", 4);
        appendField(out, "Remark", remark);
        out += "<DeviceGroupList>\n";
        for (int iGroup = 1; iGroup <= iGroups; ++iGroup) {
            appendDeviceGroup(out, iGroup, iStreams);
        }
        out += "</DeviceGroupList>\n</Task>\n";
    }
    return out + "</TaskList>\n";
}

// A few ordinary tasks around one whose only device group holds far more
// stream groups than a device group can show.
QByteArray hostileTaskFile()
{
    QByteArray out = taskFile(kShownTask + 1, 2, 2);
    out.chop(int(qstrlen("</TaskList>\n")));
    out += "<Task>\n<Name>Hostile</Name>\n<Type>1</Type>\n<IPCNum>0</IPCNum>\n<DVRNum>0</DVRNum>\n"
           "<Remark/>\n<DeviceGroupList>\n";
    appendDeviceGroup(out, 1, kHostileStreamGroups);
    return out + "</DeviceGroupList>\n</Task>\n</TaskList>\n";
}

bool writeFile(const QString& qsFile, const QByteArray& content)
{
    QFile file(qsFile);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// ---- The floor.

bool bareParse(const QString& qsFile, QDomDocument& document)
{
    QFile in(qsFile);
    return in.open(QIODevice::ReadOnly) && document.setContent(&in);
}

bool bareParseAndSave(const QString& qsFile, const QString& qsTarget)
{
    QDomDocument document;
    QFile out(qsTarget);
    if (!bareParse(qsFile, document) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QTextStream stream(&out);
    stream.setCodec(QTextCodec::codecForName("GB2312"));
    document.save(stream, 0);
    return true;
}

// ---- The window, driven as a user drives it.

// Clicks OK in the next add dialog, and notes when: the user waits from there.
class DialogAnswer : public QObject
{
public:
    explicit DialogAnswer(const QElapsedTimer& clock) : m_clock(clock)
    {
        connect(&m_poll, &QTimer::timeout, this, &DialogAnswer::poll);
        m_poll.start(1);
    }
    qint64 okAt() const { return m_iOkAt; }

private:
    void poll()
    {
        QWidget* pModal = QApplication::activeModalWidget();
        auto* pOk =
            pModal ? pModal->findChild<QAbstractButton*>(QStringLiteral("pOkBtn")) : nullptr;
        if (!pOk || !pOk->isVisible()) {
            return; // none yet, or the progress dialog of the NVR page
        }
        m_poll.stop();
        m_iOkAt = m_clock.nsecsElapsed();
        pOk->click();
    }

    const QElapsedTimer& m_clock;
    QTimer m_poll;
    qint64 m_iOkAt = 0;
};

class Window
{
public:
    Window()
    {
        m_window.show();
        while (!m_window.windowHandle() || !m_window.windowHandle()->isExposed()) {
            QApplication::processEvents();
        }
        QApplication::processEvents();
        m_pTasks = m_window.findChild<QTreeView*>(QStringLiteral("treeTask"));
        m_pDeviceView = m_window.findChild<QTreeView*>(QStringLiteral("treeDeviceList"));
        m_pDeviceList = m_window.findChild<DeviceListWidget*>();
        m_pDevices = qobject_cast<QStandardItemModel*>(m_pDeviceView->model());
    }

    int taskCount() const { return m_pTasks->model()->rowCount(); }

    void showTask(int iRow) { m_pTasks->setCurrentIndex(m_pTasks->model()->index(iRow, 0)); }

    // Device count of the first group, 8 and 9 in turn.
    void editCell()
    {
        const QModelIndex count = m_pDevices->index(0, 1);
        m_pDevices->setData(count, count.data().toString() == QLatin1String("8")
                                       ? QStringLiteral("9")
                                       : QStringLiteral("8"));
    }

    // The time from OK to the updated window, in ns.
    qint64 addDevice()
    {
        return answered([this] { m_pDeviceList->addDevice(); });
    }

    qint64 addStreamGroup()
    {
        return answered([this] {
            m_pDeviceList->clickedDevice(m_pDevices->index(0, 8), tools::ZonePixmap1Role);
        });
    }

    void deleteLastDevice()
    {
        m_pDeviceView->setCurrentIndex(m_pDevices->index(m_pDevices->rowCount() - 1, 0));
        m_window.findChild<QAbstractButton*>(QStringLiteral("btnDelDevice"))->click();
    }

    void deleteLastStreamGroup()
    {
        const QModelIndex group = m_pDevices->index(0, 0);
        const int iLast = m_pDevices->rowCount(group) - 1;
        m_pDeviceList->clickedDevice(m_pDevices->index(iLast, 8, group), tools::ZonePixmap2Role);
    }

private:
    qint64 answered(const std::function<void()>& action)
    {
        QElapsedTimer clock;
        clock.start();
        DialogAnswer answer(clock);
        action();
        return clock.nsecsElapsed() - answer.okAt();
    }

    MainWindow m_window;
    QTreeView* m_pTasks = nullptr;
    QTreeView* m_pDeviceView = nullptr;
    DeviceListWidget* m_pDeviceList = nullptr;
    QStandardItemModel* m_pDevices = nullptr;
};

// ---- Child processes: start-up and peak memory.

struct ChildRun
{
    double dMs = 0;
    double dPeakMb = 0;
};

ChildRun runChild(const QStringList& arguments)
{
    ChildRun run;
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "child %s failed\n", qPrintable(arguments.join(' ')));
    }
    run.dMs = double(timer.nsecsElapsed()) / 1e6;
    run.dPeakMb = child.readAllStandardOutput().trimmed().toDouble() / 1024.0;
    return run;
}

// The child's own high-water mark of resident memory, in kB. (A child's
// rusage would count the parent's memory, which it shares until exec.)
QByteArray peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).trimmed().split(' ').value(0);
            }
        }
    }
    return "0";
}

// Ends a child at once: tearing down is not what is measured.
[[noreturn]] void finishChild(bool bOk)
{
    std::printf("%s\n", peakResidentKb().constData());
    std::fflush(stdout);
    std::_Exit(bOk ? 0 : 1);
}

int childMain(int argc, char* argv[])
{
    const QString qsMode = QString::fromLocal8Bit(argv[1]);
    const QString qsPath = QString::fromLocal8Bit(argv[2]);
    if (qsMode == QLatin1String("--parse")) {
        QCoreApplication app(argc, argv);
        QDomDocument document;
        finishChild(bareParse(qsPath, document));
    }
    if (qsMode == QLatin1String("--floor")) {
        QCoreApplication app(argc, argv);
        finishChild(bareParseAndSave(qsPath, qsPath + QStringLiteral(".bare")));
    }
    QApplication app(argc, argv);
    QDir::setCurrent(qsPath);
    Window window;
    if (qsMode == QLatin1String("--session")) {
        window.showTask(kShownTask);
        window.editCell();
    }
    finishChild(window.taskCount() > 0);
}

// ---- Figures.

struct Times
{
    std::vector<double> vMs;

    void add(double dMs) { vMs.push_back(dMs); }
    double median() const
    {
        std::vector<double> v = vMs;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    }
    double min() const { return *std::min_element(vMs.begin(), vMs.end()); }
    double max() const { return *std::max_element(vMs.begin(), vMs.end()); }
};

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double timed(const std::function<void()>& action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return msSince(timer);
}

// Every figure of one file: the floor and each action, by name.
using Figures = std::map<std::string, Times>;

const char* const kFloor = "floor: QDom parse + save";
const char* const kActions[] = {"switch task",
                                "edit a cell",
                                "add a device",
                                "delete a device",
                                "add stream group",
                                "delete stream group",
                                "read alone (XmlNode::load)",
                                "write alone (XmlNode::save)"};
const char* const kBareProcess = "floor: bare parse process";
const char* const kFloorProcess = "floor: parse + save process";
const char* const kStartUp = "start-up, window shown";
const char* const kFloorMemory = "floor process peak MB";
const char* const kSessionMemory = "window process peak MB";

// The floor, timed; then its freed document is handed back to the system
// outside the timing, so that the cost of that does not fall on the next action.
double timedFloor(const QString& qsFile, const QString& qsBare)
{
    const double dMs = timed([&] { bareParseAndSave(qsFile, qsBare); });
    malloc_trim(0);
    return dMs;
}

void measureInProcess(const QString& qsDir, int iRounds, Figures& figures)
{
    const QString qsFile = qsDir + QStringLiteral("/Task.xml");
    const QString qsBare = qsDir + QStringLiteral("/Bare.xml");
    QDir::setCurrent(qsDir);
    Window window;
    window.showTask(kShownTask - 1);
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        figures[kFloor].add(timedFloor(qsFile, qsBare));
        figures["switch task"].add(timed([&] { window.showTask(kShownTask - iRound % 2); }));
        figures[kFloor].add(timedFloor(qsFile, qsBare));
        figures["edit a cell"].add(timed([&] { window.editCell(); }));
        figures["add a device"].add(double(window.addDevice()) / 1e6);
        figures[kFloor].add(timedFloor(qsFile, qsBare));
        figures["delete a device"].add(timed([&] { window.deleteLastDevice(); }));
        figures["add stream group"].add(double(window.addStreamGroup()) / 1e6);
        figures[kFloor].add(timedFloor(qsFile, qsBare));
        figures["delete stream group"].add(timed([&] { window.deleteLastStreamGroup(); }));
        XmlNode root;
        figures["read alone (XmlNode::load)"].add(timed([&] { root.load(qsFile); }));
        figures["write alone (XmlNode::save)"].add(timed([&] { root.save(qsBare); }));
    }
}

void measureProcesses(const QString& qsDir, int iRounds, Figures& figures)
{
    const QString qsFile = qsDir + QStringLiteral("/Task.xml");
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        figures[kBareProcess].add(runChild({QStringLiteral("--parse"), qsFile}).dMs);
        figures[kStartUp].add(runChild({QStringLiteral("--startup"), qsDir}).dMs);
        const ChildRun floor = runChild({QStringLiteral("--floor"), qsFile});
        figures[kFloorProcess].add(floor.dMs);
        figures[kFloorMemory].add(floor.dPeakMb);
        figures[kSessionMemory].add(runChild({QStringLiteral("--session"), qsDir}).dPeakMb);
    }
}

void printRow(const char* pszName, const std::vector<Figures>& perSize,
              const std::vector<double>& vBytes, const char* pszFloor)
{
    std::printf("%-26s", pszName);
    for (const Figures& figures : perSize) {
        const Times& times = figures.at(pszName);
        const double dRatio = times.median() / figures.at(pszFloor).median();
        std::printf(" | %8.1f [%7.1f-%8.1f] %5.2f", times.median(), times.min(), times.max(),
                    dRatio);
    }
    const double dGrowth =
        std::log(perSize.back().at(pszName).median() / perSize.front().at(pszName).median()) /
        std::log(vBytes.back() / vBytes.front());
    std::printf(" | %5.2f\n", dGrowth);
}

int runTable(int iRounds)
{
    std::vector<Figures> perSize;
    std::vector<double> vBytes;
    std::printf("Task.xml of %d tasks; ms as median [min-max], then the ratio to the floor "
                "in the same run; growth exponent S to L; %d rounds\n",
                kTasks, iRounds);
    for (const FileSize& size : kSizes) {
        QTemporaryDir dir;
        const QByteArray content = taskFile(kTasks, size.iGroups, size.iStreams);
        if (!dir.isValid() || !writeFile(dir.filePath(QStringLiteral("Task.xml")), content)) {
            std::fprintf(stderr, "cannot write the task file\n");
            return 1;
        }
        std::printf("%s: %d x %d, %.2f MB\n", size.pszName, size.iGroups, size.iStreams,
                    double(content.size()) / 1048576.0);
        Figures figures;
        measureInProcess(dir.path(), iRounds, figures);
        measureProcesses(dir.path(), iRounds, figures);
        perSize.push_back(figures);
        vBytes.push_back(double(content.size()));
    }
    std::printf("%-26s | %-35s | %-35s | %-35s | growth\n", "", "S", "M", "L");
    printRow(kFloor, perSize, vBytes, kFloor);
    for (const char* pszAction : kActions) {
        printRow(pszAction, perSize, vBytes, kFloor);
    }
    printRow(kBareProcess, perSize, vBytes, kBareProcess);
    printRow(kFloorProcess, perSize, vBytes, kFloorProcess);
    printRow(kStartUp, perSize, vBytes, kBareProcess);
    printRow(kStartUp, perSize, vBytes, kFloorProcess);
    printRow(kFloorMemory, perSize, vBytes, kFloorMemory);
    printRow(kSessionMemory, perSize, vBytes, kFloorMemory);
    return 0;
}

int runHostile(int iRounds)
{
    QTemporaryDir dir;
    const QString qsFile = dir.filePath(QStringLiteral("Task.xml"));
    const QByteArray content = hostileTaskFile();
    if (!dir.isValid() || !writeFile(qsFile, content)) {
        return 1;
    }
    std::printf("A task of one device group with %d stream groups, %.1f MB\n", kHostileStreamGroups,
                double(content.size()) / 1048576.0);
    QDir::setCurrent(dir.path());
    Times floor;
    Times click;
    Window window;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        floor.add(timedFloor(qsFile, qsFile + QStringLiteral(".bare")));
        window.showTask(kShownTask);
        click.add(timed([&] { window.showTask(kShownTask + 1); }));
    }
    std::printf("floor: QDom parse + save  %9.1f ms [%.1f-%.1f]\n", floor.median(), floor.min(),
                floor.max());
    std::printf("click on the task         %9.1f ms [%.1f-%.1f]\n", click.median(), click.min(),
                click.max());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    if (argc == 3 && argv[1][0] == '-' && qstrcmp(argv[1], "--hostile") != 0) {
        return childMain(argc, argv);
    }
    QApplication app(argc, argv);
    const bool bHostile = argc > 1 && qstrcmp(argv[1], "--hostile") == 0;
    const int iRounds = argc > (bHostile ? 2 : 1) ? std::atoi(argv[bHostile ? 2 : 1]) : 5;
    return bHostile ? runHostile(std::max(iRounds, 1)) : runTable(std::max(iRounds, 1));
}

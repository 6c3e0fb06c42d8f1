#ifndef TASKTESTSUPPORT_H
#define TASKTESTSUPPORT_H

#include "model/TaskInfo.h"
#include "model/TaskXmlStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>
#include <vector>

// Makes a fresh temporary folder the process's current directory, where the
// task list finds Task.xml, for the life of the object.
class CurrentDirScope
{
public:
    CurrentDirScope() : m_qsPrevious(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~CurrentDirScope() { QDir::setCurrent(m_qsPrevious); }

private:
    QTemporaryDir m_dir;
    QString m_qsPrevious;
};

inline TaskInfo makeTask(const QString& qsName, int iType = 1, int iDvr = 0, int iIpc = 0,
                         const QString& qsRemark = QString())
{
    TaskInfo task;
    task.Name = qsName;
    task.Type = iType;
    task.DVRNum = iDvr;
    task.IPCNum = iIpc;
    task.Remark = qsRemark;
    return task;
}

inline bool storeTasks(const std::vector<TaskInfo>& vTasks)
{
    for (const TaskInfo& task : vTasks) {
        if (!TaskXmlStore(QStringLiteral("Task.xml")).addTask(task)) {
            return false;
        }
    }
    return true;
}

inline std::vector<TaskInfo> storedTasks()
{
    std::vector<TaskInfo> vTasks;
    TaskXmlStore(QStringLiteral("Task.xml")).getAllTasks(vTasks);
    return vTasks;
}

inline QByteArray fileBytes(const QString& qsFileName)
{
    QFile file(qsFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& qsFileName, const QByteArray& content)
{
    QFile file(qsFileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// DefCfg.xml beside the test executable, with blanks around the counts.
inline QString defCfgPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/DefCfg.xml");
}

inline bool writeDefCfg()
{
    return writeFile(defCfgPath(), "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                   "<DefCfg>\n"
                                   "<HighDef><IPC> 16 </IPC><DVR>2</DVR></HighDef>\n"
                                   "<StandardDef><IPC>8</IPC><DVR> 1</DVR></StandardDef>\n"
                                   "</DefCfg>\n");
}

// An interface language in which the example task has another name.
class ExampleTaskTranslator : public QTranslator
{
public:
    static QString translatedName() { return QStringLiteral("Beispielaufgabe"); }

    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return qstrcmp(sourceText, "Example Task") == 0 ? translatedName() : QString();
    }
    bool isEmpty() const override { return false; }
};

#endif

#include "model/TaskXmlStore.h"

#include "model/XmlCharacters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>
#include <sys/stat.h>

namespace {

const QString kTaskListRoot = QStringLiteral("TaskList");

QString tag(const char* name)
{
    return QString::fromLatin1(name);
}

QString textOf(const XmlNode& node, const char* name)
{
    return node.firstElementByTag(tag(name)).text();
}

int intOf(const XmlNode& node, const char* name)
{
    return node.firstElementByTag(tag(name)).intValue();
}

// The text without the characters no XML file can hold, so that the kept
// document holds what the file holds.
QString storable(const QString& qsText)
{
    QString qsStorable;
    qsStorable.reserve(qsText.size());
    for (int i = 0; i < qsText.size(); ++i) {
        const QChar c = qsText.at(i);
        if (c.isHighSurrogate() && i + 1 < qsText.size() && qsText.at(i + 1).isLowSurrogate()) {
            qsStorable += c;
            qsStorable += qsText.at(++i);
        } else if (XmlCharacters::isXmlChar(c.unicode())) {
            qsStorable += c;
        }
    }
    return qsStorable;
}

void appendField(XmlNode& parent, const char* name, const QString& qsValue)
{
    parent.appendElement(tag(name)).setText(storable(qsValue));
}

void appendField(XmlNode& parent, const char* name, int iValue)
{
    parent.appendElement(tag(name)).setText(iValue);
}

// Nothing when the field is missing.
void setField(const XmlNode& parent, const char* name, const QString& qsValue)
{
    parent.firstElementByTag(tag(name)).setText(storable(qsValue));
}

void setField(const XmlNode& parent, const char* name, int iValue)
{
    parent.firstElementByTag(tag(name)).setText(iValue);
}

// Writes the value into the field when it holds another; true when it did.
bool changeField(const XmlNode& parent, const QString& qsTag, const QString& qsValue)
{
    XmlNode field = parent.firstElementByTag(qsTag);
    const QString qsStorable = storable(qsValue);
    return !field.isNull() && field.text() != qsStorable && field.setText(qsStorable);
}

bool changeField(const XmlNode& parent, const QString& qsTag, int iValue)
{
    return changeField(parent, qsTag, QString::number(iValue));
}

// The first list of that name below the element, appended when there is none
// (the first device group of a task becomes its sixth child this way).
XmlNode listOf(XmlNode& parent, const char* name)
{
    XmlNode list = parent.firstElementByTag(tag(name));
    return list.isNull() ? parent.appendElement(tag(name)) : list;
}

void readTaskFields(const XmlNode& taskNode, TaskInfo& task)
{
    task.Remark = textOf(taskNode, "Remark");
    task.Type = intOf(taskNode, "Type");
    task.IPCNum = intOf(taskNode, "IPCNum");
    task.DVRNum = intOf(taskNode, "DVRNum");
}

XmlNode appendStreamGroupNode(XmlNode& streamList, const StreamGroupInfo& stream)
{
    XmlNode streamNode = streamList.appendElement(tag("StreamGroup"));
    appendField(streamNode, "StreamID", stream.StreamID);
    appendField(streamNode, "StreamNum", stream.StreamNum);
    appendField(streamNode, "Resolution", stream.Resolution);
    appendField(streamNode, "FrameRate", stream.FrameRate);
    appendField(streamNode, "Bitrate", stream.Bitrate);
    return streamNode;
}

XmlNode appendDeviceGroupNode(XmlNode& deviceList, const DeviceGroupInfo& group)
{
    XmlNode deviceNode = deviceList.appendElement(tag("DeviceGroup"));
    appendField(deviceNode, "DeviceNum", group.DeviceNum);
    appendField(deviceNode, "Type", group.Type);
    appendField(deviceNode, "DeviceId", group.DeviceId);
    appendField(deviceNode, "MainStream", group.MainStream);
    appendField(deviceNode, "SubStream", group.SubStream);
    XmlNode streamList = deviceNode.appendElement(tag("StreamGroupList"));
    // Entries past the last slot are not slots: they are never written.
    const size_t uSlots =
        std::min(group.StreamGroups.size(), static_cast<size_t>(DeviceGroupInfo::kMaxStreamGroups));
    for (size_t i = 0; i < uSlots; ++i) {
        if (group.StreamGroups[i].Used) {
            appendStreamGroupNode(streamList, group.StreamGroups[i]);
        }
    }
    return deviceNode;
}

void readStreamGroups(const XmlNode& deviceNode, DeviceGroupInfo& group)
{
    // A hand-made file may list more stream groups than a record has slots:
    // the first kMaxStreamGroups are read, the rest are ignored here (and
    // stay in the file untouched).
    int iSlot = 0;
    const XmlNode streamList = deviceNode.firstElementByTag(tag("StreamGroupList"));
    for (XmlNode streamNode = streamList.firstChildElement();
         !streamNode.isNull() && iSlot < DeviceGroupInfo::kMaxStreamGroups;
         streamNode = streamNode.nextSiblingElement(), ++iSlot) {
        StreamGroupInfo& stream = group.slot(iSlot);
        stream.Used = true;
        stream.StreamID = intOf(streamNode, "StreamID");
        stream.StreamNum = intOf(streamNode, "StreamNum");
        stream.Resolution = intOf(streamNode, "Resolution");
        stream.FrameRate = textOf(streamNode, "FrameRate");
        stream.Bitrate = intOf(streamNode, "Bitrate");
    }
}

DeviceGroupInfo readDeviceGroup(const XmlNode& deviceNode)
{
    DeviceGroupInfo group;
    group.DeviceNum = intOf(deviceNode, "DeviceNum");
    group.Type = intOf(deviceNode, "Type");
    group.DeviceId = textOf(deviceNode, "DeviceId");
    group.MainStream = intOf(deviceNode, "MainStream");
    group.SubStream = intOf(deviceNode, "SubStream");
    readStreamGroups(deviceNode, group);
    return group;
}

// What tells one state of a file from another without reading it.
struct FileIdentity
{
    bool bExists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileIdentity& other) const
    {
        return bExists == other.bExists && device == other.device && inode == other.inode &&
               size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

FileIdentity identityOf(const QString& qsPath)
{
    FileIdentity identity;
    struct stat status = {};
    if (!qsPath.isEmpty() && ::stat(QFile::encodeName(qsPath).constData(), &status) == 0) {
        identity.bExists = true;
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
        identity.size = status.st_size;
        identity.modified = status.st_mtim;
    }
    return identity;
}

// The document of the task file last read or written, with the identity the
// file had then. One file is kept at a time.
struct KeptFile
{
    QString qsPath; // absolute; empty when nothing is kept
    FileIdentity identity;
    TaskXmlStore::FileState state = TaskXmlStore::FileState::Unreadable;
    XmlNode root;
};

KeptFile& keptFile()
{
    static KeptFile kept;
    return kept;
}

TaskXmlStore::FileState loadFile(XmlNode& root, const QString& qsPath, const FileIdentity& identity)
{
    if (qsPath.isEmpty()) {
        return TaskXmlStore::FileState::Unreadable;
    }
    if (!identity.bExists) {
        return TaskXmlStore::FileState::Missing;
    }
    if (!root.load(qsPath)) {
        return TaskXmlStore::FileState::Unreadable;
    }
    return root.parsed() ? TaskXmlStore::FileState::Open : TaskXmlStore::FileState::Damaged;
}

// The kept file, brought up to what the file on disk holds now: parsed again
// only when the file is not the one kept.
const KeptFile& refreshedKeptFile(const QString& fileName)
{
    KeptFile& kept = keptFile();
    const QString qsPath = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
    const FileIdentity identity = identityOf(qsPath);
    if (qsPath.isEmpty() || qsPath != kept.qsPath || identity != kept.identity) {
        // The old document goes first: never two in memory at once.
        kept = KeptFile();
        kept.state = loadFile(kept.root, qsPath, identity);
        kept.qsPath = qsPath;
        kept.identity = identity;
    }
    return kept;
}

// What every file we write starts with; also all a save killed early leaves.
const QByteArray kOurDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";

// A copy that a save of fileName left under a temporary name: the name is the
// file's name with a dot and six random letters or digits appended (six
// lowercase letters make a word a person chose, as "backup"), and the content
// is empty or starts as every file we write starts.
bool isOurTemporaryFile(const QFileInfo& entry, const QString& qsFileName)
{
    static const QRegularExpression randomSuffix(
        QStringLiteral("^\\.(?![a-z]{6}$)[A-Za-z0-9]{6}$"));
    if (!entry.isFile() || !entry.fileName().startsWith(qsFileName) ||
        !randomSuffix.match(entry.fileName().mid(qsFileName.size())).hasMatch()) {
        return false;
    }
    QFile file(entry.absoluteFilePath());
    return file.open(QIODevice::ReadOnly) &&
           kOurDeclaration.startsWith(file.read(kOurDeclaration.size()));
}

// Marks the folder as in use by this process, for as long as it runs; false
// when another process has marked it. The mark lives in the temporary folder
// so that the run folder holds only what the user keeps there.
bool claimFolder(const QString& qsFolder)
{
    static QString qsClaimed;
    static std::unique_ptr<QLockFile> pClaim;
    if (pClaim && qsClaimed == qsFolder) {
        return true;
    }
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(qsFolder), QCryptographicHash::Sha1);
    auto pLock = std::make_unique<QLockFile>(QDir::temp().filePath(
        QStringLiteral("vardex-%1.lock").arg(QString::fromLatin1(hash.toHex().left(16)))));
    // Held for hours by a running program: stale only when its process is gone.
    pLock->setStaleLockTime(0);
    if (!pLock->tryLock(0)) {
        return false;
    }
    pClaim = std::move(pLock);
    qsClaimed = qsFolder;
    return true;
}

void setText(QString* pText, const QString& qsText)
{
    if (pText) {
        *pText = qsText;
    }
}

} // namespace

TaskXmlStore::TaskXmlStore(const QString& fileName) : m_qsFileName(fileName)
{
    open();
}

TaskXmlStore::FileState TaskXmlStore::checkFile(const QString& fileName)
{
    return refreshedKeptFile(fileName).state;
}

void TaskXmlStore::removeStaleTemporaryFiles(const QString& fileName)
{
    const QFileInfo file(fileName);
    if (fileName.isEmpty() || !claimFolder(file.absolutePath())) {
        return;
    }
    const QFileInfoList entries = file.absoluteDir().entryInfoList(
        {file.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (isOurTemporaryFile(entry, file.fileName())) {
            QFile::remove(entry.absoluteFilePath());
        }
    }
}

// Every operation starts here, so that it works on what the file holds now.
bool TaskXmlStore::open()
{
    const KeptFile& kept = refreshedKeptFile(m_qsFileName);
    m_state = kept.state;
    m_root = kept.root;
    return isOpen();
}

bool TaskXmlStore::openForChange(QString* pError)
{
    if (open()) {
        return true;
    }
    setText(pError, closedText());
    return false;
}

// Writes the changed document. Once written, the elements the operation
// wrote are made what a parse of the file gives, so that the kept document
// writes the same bytes as a document read again. A failed write leaves the
// file as it was, so the kept document, which holds the change, no longer
// matches it.
bool TaskXmlStore::commit(QString* pError, const std::vector<XmlNode>& vWritten)
{
    KeptFile& kept = keptFile();
    QString qsReason;
    if (m_root.save(kept.qsPath, &qsReason)) {
        kept.identity = identityOf(kept.qsPath);
        for (XmlNode written : vWritten) {
            written.removeEmptyTexts();
        }
        return true;
    }
    const bool bUntouched = kept.identity.bExists && identityOf(kept.qsPath) == kept.identity;
    setText(pError,
            bUntouched
                ? tr("The task file %1 could not be saved: %2. The change was not stored. It was "
                     "left untouched.")
                      .arg(nativePath(), qsReason)
                : tr("The task file %1 could not be saved: %2. The change was not stored.")
                      .arg(nativePath(), qsReason));
    kept = KeptFile();
    return false;
}

// Why a change cannot be made to a file that is not open.
QString TaskXmlStore::closedText() const
{
    switch (m_state) {
    case FileState::Missing:
        return tr("The task file %1 does not exist. The change was not stored.").arg(nativePath());
    case FileState::Damaged:
        return tr("The task file %1 is damaged and cannot be read. The change was not stored. It "
                  "was left untouched.")
            .arg(nativePath());
    default:
        return tr("The task file %1 cannot be opened. The change was not stored. It was left "
                  "untouched.")
            .arg(nativePath());
    }
}

QString TaskXmlStore::nativePath() const
{
    return QDir::toNativeSeparators(QFileInfo(m_qsFileName).absoluteFilePath());
}

void TaskXmlStore::startNewDocument()
{
    KeptFile& kept = keptFile();
    kept.root = XmlNode();
    kept.root.createDocument(kTaskListRoot);
    kept.state = FileState::Open;
    m_root = kept.root;
    m_state = kept.state;
}

int TaskXmlStore::taskIndex(const QString& qsName) const
{
    int iIndex = 0;
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement(), ++iIndex) {
        if (textOf(taskNode, "Name") == qsName) {
            return iIndex;
        }
    }
    return -1;
}

// A closed store finds nothing, so every operation on it fails untouched.
XmlNode TaskXmlStore::findTask(const QString& qsName) const
{
    if (!isOpen()) {
        return XmlNode();
    }
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement()) {
        if (textOf(taskNode, "Name") == qsName) {
            return taskNode;
        }
    }
    return XmlNode();
}

XmlNode TaskXmlStore::findDeviceGroup(const XmlNode& taskNode, const QString& qsDeviceId) const
{
    const XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement()) {
        if (textOf(deviceNode, "DeviceId") == qsDeviceId) {
            return deviceNode;
        }
    }
    return XmlNode();
}

XmlNode TaskXmlStore::findStreamGroup(const XmlNode& deviceNode, int iStreamId) const
{
    const XmlNode streamList = deviceNode.firstElementByTag(tag("StreamGroupList"));
    for (XmlNode streamNode = streamList.firstChildElement(); !streamNode.isNull();
         streamNode = streamNode.nextSiblingElement()) {
        if (intOf(streamNode, "StreamID") == iStreamId) {
            return streamNode;
        }
    }
    return XmlNode();
}

bool TaskXmlStore::addTask(const TaskInfo& task, QString* pError)
{
    if (!open() && m_state == FileState::Missing) {
        startNewDocument();
    }
    if (!isOpen()) {
        setText(pError, closedText());
        return false;
    }
    if (taskIndex(task.Name) >= 0) {
        return false;
    }
    XmlNode taskNode = m_root.appendElement(tag("Task"));
    appendField(taskNode, "Name", task.Name);
    appendField(taskNode, "Type", task.Type);
    appendField(taskNode, "IPCNum", task.IPCNum);
    appendField(taskNode, "DVRNum", task.DVRNum);
    appendField(taskNode, "Remark", task.Remark);
    return commit(pError, {taskNode});
}

bool TaskXmlStore::deleteTask(const QString& qsName, QString* pError)
{
    const int iIndex = openForChange(pError) ? taskIndex(qsName) : -1;
    if (iIndex < 0) {
        return false;
    }
    m_root.removeChildElementAt(iIndex);
    return commit(pError);
}

bool TaskXmlStore::getTask(const QString& qsName, TaskInfo& task)
{
    open();
    const XmlNode taskNode = findTask(qsName);
    if (taskNode.isNull()) {
        return false;
    }
    task.Name = qsName;
    readTaskFields(taskNode, task);
    return true;
}

bool TaskXmlStore::getAllTasks(std::vector<TaskInfo>& vTasks)
{
    if (!open()) {
        return false;
    }
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement()) {
        TaskInfo task;
        task.Name = textOf(taskNode, "Name");
        readTaskFields(taskNode, task);
        vTasks.push_back(std::move(task));
    }
    return true;
}

bool TaskXmlStore::modifyTask(const QString& qsOldName, const TaskInfo& task, QString* pError)
{
    TaskInfo stored;
    if (!openForChange(pError) || !getTask(qsOldName, stored)) {
        return false;
    }
    if (stored == task) {
        return true;
    }
    const int iOldIndex = taskIndex(qsOldName);
    const int iNewIndex = taskIndex(task.Name);
    if (iNewIndex >= 0 && iNewIndex != iOldIndex) {
        return false;
    }
    const XmlNode taskNode = m_root.childElementAt(iOldIndex);
    setField(taskNode, "Name", task.Name);
    setField(taskNode, "Type", task.Type);
    setField(taskNode, "IPCNum", task.IPCNum);
    setField(taskNode, "DVRNum", task.DVRNum);
    setField(taskNode, "Remark", task.Remark);
    return commit(pError, {taskNode.firstElementByTag(tag("Name")),
                           taskNode.firstElementByTag(tag("Remark"))});
}

bool TaskXmlStore::taskExists(const QString& qsName)
{
    return open() && taskIndex(qsName) >= 0;
}

bool TaskXmlStore::makeTaskNamesUnique(QStringList& qsRenamed, QString* pError)
{
    if (!open()) {
        return true;
    }
    QSet<QString> taken;
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement()) {
        taken.insert(textOf(taskNode, "Name"));
    }
    QSet<QString> seen;
    const int iRenamedBefore = qsRenamed.size();
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement()) {
        const QString qsName = textOf(taskNode, "Name");
        if (qsName.isEmpty() || !seen.contains(qsName)) {
            seen.insert(qsName);
            continue;
        }
        QString qsNewName;
        for (int iNumber = 2; qsNewName.isEmpty() || taken.contains(qsNewName); ++iNumber) {
            qsNewName = QStringLiteral("%1 (%2)").arg(qsName).arg(iNumber);
        }
        setField(taskNode, "Name", qsNewName);
        taken.insert(qsNewName);
        seen.insert(qsNewName);
        qsRenamed << qsNewName;
    }
    return qsRenamed.size() == iRenamedBefore || commit(pError);
}

bool TaskXmlStore::addDeviceGroup(const QString& qsTaskName, const DeviceGroupInfo& group,
                                  QString* pError)
{
    return addDeviceGroups(qsTaskName, {group}, pError);
}

bool TaskXmlStore::addDeviceGroups(const QString& qsTaskName,
                                   const std::vector<DeviceGroupInfo>& vGroups, QString* pError)
{
    XmlNode taskNode = openForChange(pError) ? findTask(qsTaskName) : XmlNode();
    if (taskNode.isNull()) {
        return false;
    }
    QSet<QString> ids;
    for (const DeviceGroupInfo& group : vGroups) {
        if (!findDeviceGroup(taskNode, group.DeviceId).isNull() || ids.contains(group.DeviceId)) {
            return false;
        }
        ids.insert(group.DeviceId);
    }
    XmlNode deviceList = listOf(taskNode, "DeviceGroupList");
    std::vector<XmlNode> vWritten;
    for (const DeviceGroupInfo& group : vGroups) {
        vWritten.push_back(appendDeviceGroupNode(deviceList, group));
    }
    return commit(pError, vWritten);
}

bool TaskXmlStore::getDeviceGroups(const QString& qsTaskName, std::vector<DeviceGroupInfo>& vGroups)
{
    open();
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement()) {
        vGroups.push_back(readDeviceGroup(deviceNode));
    }
    return true;
}

bool TaskXmlStore::deleteDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                     QString* pError)
{
    const XmlNode taskNode = openForChange(pError) ? findTask(qsTaskName) : XmlNode();
    XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    int iIndex = 0;
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement(), ++iIndex) {
        if (textOf(deviceNode, "DeviceId") == qsDeviceId) {
            deviceList.removeChildElementAt(iIndex);
            return commit(pError);
        }
    }
    return false;
}

bool TaskXmlStore::setDeviceField(const QString& qsTaskName, const QString& qsDeviceId,
                                  const QString& qsTag, int iValue, QString* pError)
{
    const XmlNode taskNode = openForChange(pError) ? findTask(qsTaskName) : XmlNode();
    if (taskNode.isNull()) {
        return false;
    }
    bool bChanged = false;
    const XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement()) {
        if (textOf(deviceNode, "DeviceId") == qsDeviceId) {
            bChanged |= changeField(deviceNode, qsTag, iValue);
        }
    }
    return !bChanged || commit(pError);
}

bool TaskXmlStore::setDeviceNum(const QString& qsTaskName, const QString& qsDeviceId,
                                int iDeviceNum, QString* pError)
{
    return setDeviceField(qsTaskName, qsDeviceId, tag("DeviceNum"), iDeviceNum, pError);
}

bool TaskXmlStore::setMainStream(const QString& qsTaskName, const QString& qsDeviceId,
                                 int iMainStream, QString* pError)
{
    return setDeviceField(qsTaskName, qsDeviceId, tag("MainStream"), iMainStream, pError);
}

bool TaskXmlStore::setSubStream(const QString& qsTaskName, const QString& qsDeviceId,
                                int iSubStream, QString* pError)
{
    return setDeviceField(qsTaskName, qsDeviceId, tag("SubStream"), iSubStream, pError);
}

bool TaskXmlStore::getDeviceGroupCounts(const QString& qsTaskName, const QString& qsDeviceId,
                                        DeviceGroupInfo& group)
{
    open();
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    if (!deviceNode.isNull()) {
        group.DeviceNum = intOf(deviceNode, "DeviceNum");
        group.MainStream = intOf(deviceNode, "MainStream");
        group.SubStream = intOf(deviceNode, "SubStream");
    }
    return true;
}

bool TaskXmlStore::appendStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                     const StreamGroupInfo& stream, QString* pError)
{
    const XmlNode taskNode = openForChange(pError) ? findTask(qsTaskName) : XmlNode();
    XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    if (deviceNode.isNull()) {
        return false;
    }
    if (!stream.Used) {
        return true;
    }
    XmlNode streamList = listOf(deviceNode, "StreamGroupList");
    // A group beyond the record's slots would never be read back.
    if (streamList.childElementCount() >= DeviceGroupInfo::kMaxStreamGroups) {
        return false;
    }
    return commit(pError, {appendStreamGroupNode(streamList, stream)});
}

bool TaskXmlStore::deleteStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                     int iStreamId, QString* pError)
{
    const XmlNode taskNode = openForChange(pError) ? findTask(qsTaskName) : XmlNode();
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    XmlNode streamList = deviceNode.firstElementByTag(tag("StreamGroupList"));
    int iIndex = 0;
    for (XmlNode streamNode = streamList.firstChildElement(); !streamNode.isNull();
         streamNode = streamNode.nextSiblingElement(), ++iIndex) {
        if (intOf(streamNode, "StreamID") == iStreamId) {
            streamList.removeChildElementAt(iIndex);
            return commit(pError);
        }
    }
    return false;
}

bool TaskXmlStore::setStreamGroupField(const QString& qsTaskName, const QString& qsDeviceId,
                                       int iField, const StreamGroupInfo& stream, QString* pError)
{
    const XmlNode taskNode = openForChange(pError) ? findTask(qsTaskName) : XmlNode();
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    const XmlNode streamNode = findStreamGroup(deviceNode, stream.StreamID);
    if (streamNode.isNull()) {
        return false;
    }
    bool bChanged = false;
    switch (iField) {
    case StreamFieldNum:
        bChanged = changeField(streamNode, tag("StreamNum"), stream.StreamNum);
        break;
    case StreamFieldResolution:
        bChanged = changeField(streamNode, tag("Resolution"), stream.Resolution);
        break;
    case StreamFieldFrameRate:
        bChanged = changeField(streamNode, tag("FrameRate"), stream.FrameRate);
        break;
    case StreamFieldBitrate:
        bChanged = changeField(streamNode, tag("Bitrate"), stream.Bitrate);
        break;
    default:
        return false;
    }
    return !bChanged || commit(pError, {streamNode});
}

bool TaskXmlStore::getStreamGroupValues(const QString& qsTaskName, const QString& qsDeviceId,
                                        StreamGroupInfo& stream)
{
    open();
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    const XmlNode streamNode = findStreamGroup(deviceNode, stream.StreamID);
    if (!streamNode.isNull()) {
        stream.Bitrate = intOf(streamNode, "Bitrate");
        stream.StreamNum = intOf(streamNode, "StreamNum");
    }
    return true;
}

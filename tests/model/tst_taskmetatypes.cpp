#include "model/NvrBandWidth.h"
#include "model/PrintDevInfo.h"
#include "model/TaskInfo.h"
#include "model/TaskMetaTypes.h"

#include <QtTest>

#include <vector>

class TstTaskMetaTypes : public QObject
{
    Q_OBJECT

private slots:
    void registersRecordsUnderTheirNames();
};

void TstTaskMetaTypes::registersRecordsUnderTheirNames()
{
    QCOMPARE(QMetaType::type("TaskInfo"), int(QMetaType::UnknownType));
    registerTaskMetaTypes();
    QCOMPARE(QMetaType::type("TaskInfo"), qMetaTypeId<TaskInfo>());
    QCOMPARE(QMetaType::type("NvrBandWidth"), qMetaTypeId<NvrBandWidth>());
    QCOMPARE(QMetaType::type("PrintDevInfo"), qMetaTypeId<PrintDevInfo>());
    QCOMPARE(QMetaType::type("std::vector<NvrBandWidth>"),
             qMetaTypeId<std::vector<NvrBandWidth>>());

    TaskInfo task;
    task.Name = QStringLiteral("A");
    task.Remark = QStringLiteral("r");
    const QVariant travelled = QVariant::fromValue(task);
    QVERIFY(travelled.value<TaskInfo>() == task);
}

QTEST_GUILESS_MAIN(TstTaskMetaTypes)
#include "tst_taskmetatypes.moc"

#ifndef NEWTASKWIDGET_H
#define NEWTASKWIDGET_H

#include "controls/CBaseDialog.h"
#include "model/TaskInfo.h"

namespace Ui {
class NewTask;
}

class QLineEdit;

// The dialog that creates a task (name, type, recommended device counts,
// remark) or, after SetTaskInfo, edits a task's name and remark. OK checks the
// input, points at a faulty field with a tool tip and stays open until the
// input is good.
class NewTaskWidget : public CBaseDialog
{
    Q_OBJECT
public:
    explicit NewTaskWidget(QWidget* parent = nullptr);
    ~NewTaskWidget() override;

    void SetTaskInfo(const TaskInfo& task);
    void GetTaskInfo(TaskInfo& task) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void onChangeTaskType(int nIndex);
    void onClickOK();
    void slotTextChanged();

private:
    void readTemplates();
    void setUpFields();
    void showCountRows(bool bShow);
    void showCounts(const QString& qsDvr, const QString& qsIpc);
    bool checkName(const QString& qsName);
    bool checkRemark(const QString& qsRemark);
    bool checkStoredNames(const QString& qsName, const QString& qsRemark);
    bool readCount(QLineEdit* pEdit, int& iCount);
    void pointAt(QWidget* pField, const QString& qsText);

    Ui::NewTask* m_pUi;
    TaskInfo m_taskInfo;
    QString m_qsHighDefIpc;
    QString m_qsHighDefDvr;
    QString m_qsStandardDefIpc;
    QString m_qsStandardDefDvr;
    QString m_qsOldName;
    bool m_bEditMode = false;
};

#endif

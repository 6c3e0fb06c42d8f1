#ifndef CALNVRTHREAD_H
#define CALNVRTHREAD_H

#include "calc/NvrCalculator.h"
#include "model/NvrBandWidth.h"

#include <QString>
#include <QThread>

#include <vector>

// Runs one NVR count calculation off the user-interface thread. The owner sets
// the parameters, starts the thread, waits for it and then reads result().
class CalNVRThread : public QThread
{
    Q_OBJECT
public:
    // The thread has no parent: its owner keeps it on the stack.
    explicit CalNVRThread(QObject* parent = nullptr);

    void setParameters(const QString& qsModelName, const std::vector<NvrBandWidth>& vsBandWidth);
    int result() const { return m_iResult; }

signals:
    void CalSuc();

protected:
    void run() override;

private:
    NvrCalculator m_calculator;
    std::vector<NvrBandWidth> m_vsBandWidth;
    QString m_qsModelName;
    int m_iResult = 0;
};

#endif

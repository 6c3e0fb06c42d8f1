#include "calc/CalNVRThread.h"

CalNVRThread::CalNVRThread(QObject* /*parent*/) : QThread(nullptr)
{
}

void CalNVRThread::setParameters(const QString& qsModelName,
                                 const std::vector<NvrBandWidth>& vsBandWidth)
{
    m_qsModelName = qsModelName;
    m_vsBandWidth = vsBandWidth;
}

void CalNVRThread::run()
{
    m_iResult = m_calculator.compute(m_qsModelName, m_vsBandWidth);
    emit CalSuc();
}

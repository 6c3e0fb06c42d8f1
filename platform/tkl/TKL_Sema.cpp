#include "TKL_Sema.h"

#include <chrono>

TKL_Sema::TKL_Sema(int iInitial) : m_iCount(iInitial) {}

TKL_Sema::~TKL_Sema() = default;

void TKL_Sema::Post()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_iCount;
    }
    m_cond.notify_one();
}

void TKL_Sema::Wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cond.wait(lock, [this] { return m_iCount > 0; });
    --m_iCount;
}

bool TKL_Sema::Wait(int iTimeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_cond.wait_for(lock, std::chrono::milliseconds(iTimeoutMs),
                         [this] { return m_iCount > 0; })) {
        return false;
    }
    --m_iCount;
    return true;
}

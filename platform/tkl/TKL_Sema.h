#ifndef TKL_SEMA_H
#define TKL_SEMA_H

#include "TKL_Export.h"

#include <condition_variable>
#include <mutex>

// A counting semaphore.
class TKL_API TKL_Sema
{
public:
    explicit TKL_Sema(int iInitial = 0);
    ~TKL_Sema();
    TKL_Sema(const TKL_Sema&) = delete;
    TKL_Sema& operator=(const TKL_Sema&) = delete;

    void Post();
    void Wait();
    // Gives false when the count stayed zero for the whole timeout.
    bool Wait(int iTimeoutMs);

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    int m_iCount;
};

#endif

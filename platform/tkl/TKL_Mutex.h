#ifndef TKL_MUTEX_H
#define TKL_MUTEX_H

#include "TKL_Export.h"

#include <mutex>

// A process-local mutex; Lock and Unlock must pair on one thread.
class TKL_API TKL_Mutex
{
public:
    TKL_Mutex();
    ~TKL_Mutex();
    TKL_Mutex(const TKL_Mutex&) = delete;
    TKL_Mutex& operator=(const TKL_Mutex&) = delete;

    void Lock();
    void Unlock();

private:
    std::mutex m_mutex;
};

#endif

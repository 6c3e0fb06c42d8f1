#ifndef TKL_GUARD_H
#define TKL_GUARD_H

#include "TKL_Mutex.h"

// Locks the mutex for the life of the guard; Release unlocks it early and a
// second Release does nothing.
class TKL_Guard
{
public:
    explicit TKL_Guard(TKL_Mutex* pMutex) : m_pMutex(pMutex)
    {
        if (m_pMutex) {
            m_pMutex->Lock();
        }
    }
    ~TKL_Guard() { Release(); }
    TKL_Guard(const TKL_Guard&) = delete;
    TKL_Guard& operator=(const TKL_Guard&) = delete;

    void Release()
    {
        if (m_pMutex) {
            m_pMutex->Unlock();
            m_pMutex = nullptr;
        }
    }

private:
    TKL_Mutex* m_pMutex;
};

#endif

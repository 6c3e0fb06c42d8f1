#include "TKL_Mutex.h"

TKL_Mutex::TKL_Mutex() = default;

TKL_Mutex::~TKL_Mutex() = default;

void TKL_Mutex::Lock()
{
    m_mutex.lock();
}

void TKL_Mutex::Unlock()
{
    m_mutex.unlock();
}

#include "TKL_OutputDebug.h"

#include <cstdarg>
#include <cstdio>

extern "C" int TKL_OutputDebug(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    const int iWritten = std::vfprintf(stderr, pszFormat, args);
    va_end(args);
    std::fputc('\n', stderr);
    return iWritten;
}

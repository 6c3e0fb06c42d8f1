#ifndef TKL_OUTPUTDEBUG_H
#define TKL_OUTPUTDEBUG_H

#include "TKL_Export.h"

// Writes one printf-style line to the debug log (standard error here).
extern "C" TKL_API int TKL_OutputDebug(const char* pszFormat, ...);

#endif

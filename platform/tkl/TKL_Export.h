#ifndef TKL_EXPORT_H
#define TKL_EXPORT_H

#if defined(_WIN32)
#if defined(TKL_BUILDING)
#define TKL_API __declspec(dllexport)
#else
#define TKL_API __declspec(dllimport)
#endif
#else
#define TKL_API __attribute__((visibility("default")))
#endif

#endif

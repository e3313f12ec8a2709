// Calling convention and export markers shared by every gauge module and the host.
#pragma once

#if defined(_WIN32) && defined(__i386__)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

#if defined(_WIN32)
#define GAUGE_EXPORT extern "C" __declspec(dllexport)
#else
#define GAUGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

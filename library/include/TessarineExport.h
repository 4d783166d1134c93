#pragma once

// The library is built with hidden visibility; only what carries TESSARINE_API is exported.
#if defined(_WIN32)
#  if defined(TESSARINE_BUILDING)
#    define TESSARINE_API __declspec(dllexport)
#  else
#    define TESSARINE_API __declspec(dllimport)
#  endif
#else
#  define TESSARINE_API __attribute__((visibility("default")))
#endif

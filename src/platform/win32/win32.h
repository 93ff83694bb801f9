#pragma once

// The Windows headers, as every file of the Win32 runtime includes them:
// wide-character API, Windows 10 and later.

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>

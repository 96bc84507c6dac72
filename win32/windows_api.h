// The Win32 API for the Windows face. The resource ids are read before
// <windows.h>, whose IDOK and IDCANCEL macros would otherwise rewrite the
// tables' own names for the same two commands; after this header, code
// writes IDOK and IDCANCEL unqualified (the macros hold the same values).
#pragma once

#include "res/dialogs.h"
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

static_assert(IDOK == 1 && IDCANCEL == 2, "the tables' OK and Cancel commands are Windows' own");

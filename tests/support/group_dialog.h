// A small dialog of two radio groups, for the dialog manager's WS_GROUP
// rules, which the panel's one group cannot show. Built into the test
// programs of both platforms, never into the panel.
#pragma once

#include <windows.h>

#define IDD_GROUPS 2000
#define IDC_GROUP_A1 2001
#define IDC_GROUP_A2 2002
#define IDC_GROUP_B1 2003
#define IDC_GROUP_B2 2004
// The Wine driver's marker: a hidden push button with the panel's spare id.
#define IDC_GROUP_MARKER 1057

#ifndef RC_INVOKED
// Checks A1 and B1 at start; IDCANCEL and the close box end it with 0.
INT_PTR CALLBACK GroupDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
#endif

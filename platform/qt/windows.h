// The small part of Win32 that the panel and its resource script use, for the
// Linux build over Qt. Values are the real Win32 ones, so the compiled
// template means the same on both platforms. The resource compiler reads this
// file too: it sees only the constants.
//
// What the layer emulates, as Win32's dialog manager does it:
// - a modal dialog from a compiled DIALOGEX template: push buttons, auto
//   check boxes, auto radio buttons and static controls, placed with MulDiv
//   from the font's dialog base units;
// - the dialog keyboard (IsDialogMessage): Tab and Shift+Tab over the visible,
//   enabled tab stops in template order (GetNextDlgTabItem, also the first
//   focus); the arrow keys within the focused control's WS_GROUP run
//   (GetNextDlgGroupItem), passing over statics, clicking an unchecked auto
//   radio button they land on; Enter clicks the focused push button (the
//   default while it has the focus), else is IDOK; Esc is IDCANCEL;
// - auto radio buttons exclusive within their WS_GROUP run, and a radio
//   button's WS_TABSTOP following its check (BM_SETCHECK alone sets it);
// - modal message boxes owned by the dialog, which is blocked meanwhile;
// - a frame that asks for a close box and moving only.
// What it does not: mnemonics (&-keys, Alt+letter), menus and Alt/F10 menu
// mode, the system menu's keyboard, WM_DPICHANGED and per-monitor DPI,
// DM_SETDEFID and a drawn default-button frame, WM_GETDLGCODE for controls
// of other classes, and any window that is not a dialog or a message box.
#pragma once

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_EX_CLIENTEDGE 0x00000200L

// Dialog styles.
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_CENTER 0x0800L

// Button and static styles.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_TYPEMASK 0x0000000FL
#define BS_MULTILINE 0x00002000L
#define SS_LEFT 0x00000000L
#define SS_TYPEMASK 0x0000001FL

// Command ids.
#define IDOK 1
#define IDCANCEL 2

#ifndef RC_INVOKED

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using WORD = uint16_t;
using DWORD = uint32_t;
using LONG = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT_PTR = intptr_t;
using PWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;

// Handles are opaque pointers, as on Windows; the layer owns what they point
// to. A window handle is a dialog or one of its controls (window_handle.h).
struct WindowHandle;
struct ModuleHandle;
struct IconHandle;
using HWND = WindowHandle*;
using HINSTANCE = ModuleHandle*;
using HMODULE = ModuleHandle*;
using HICON = IconHandle*;

#define TRUE 1
#define FALSE 0
#define CALLBACK
#define WINAPI

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPCWSTR>(static_cast<uintptr_t>(static_cast<WORD>(i))))
#define LOWORD(l) (static_cast<WORD>(static_cast<uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<uintptr_t>(l) >> 16) & 0xFFFF))

// Messages.
#define WM_CLOSE 0x0010
#define WM_SETICON 0x0080
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#define BN_CLICKED 0

#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define ICON_SMALL 0
#define ICON_BIG 1
#define MB_OK 0x00000000L
#define MB_ICONERROR 0x00000010L
#define MB_ICONINFORMATION 0x00000040L

HMODULE GetModuleHandleW(LPCWSTR name);
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
UINT IsDlgButtonChecked(HWND dialog, int id);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND control);
HWND GetFocus();
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
int MulDiv(int number, int numerator, int denominator);
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
[[noreturn]] void ExitProcess(UINT code);

// The program's entry, which the program defines and the layer's main calls.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show);

// The arguments main was given, kept by the layer's main as the C runtime
// keeps them for a Windows program (where they are UTF-16, __wargv; here the
// bytes as given, usually UTF-8); 0 and null in a program with a main of its
// own.
extern int __argc;
extern char** __argv;

#endif  // RC_INVOKED

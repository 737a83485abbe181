// What an HWND points at in this layer: a dialog or one of its controls,
// with the Win32 state Qt's widgets do not keep, in one place. Shared by the
// layer's files (and read by its tests); the panel sees only windows.h.
#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "windows.h"

struct WindowHandle {
    QWidget* widget = nullptr;
    std::u16string cls;       // the window class: "Button", "Static", ...
    int id = 0;               // a control's dialog id
    uint32_t style = 0;       // WS_, BS_ and SS_ bits; a radio button's WS_TABSTOP follows its check
    HWND parent = nullptr;    // a control's dialog
    DLGPROC proc = nullptr;   // a dialog's procedure
    std::vector<std::unique_ptr<WindowHandle>> children;  // a dialog's controls, in template order
};

// The control of an open dialog that is this widget, or null.
HWND HandleOfWidget(const QWidget* widget);

// A control tells its dialog: WM_COMMAND with its id and the notification.
LRESULT NotifyParent(HWND control, WORD code);

// Qt starts on the first window or box, so that a program can refuse to run
// before there is any display to speak of. False where there is no display
// to start on: the call that needed it fails, as Win32's do where there is
// no desktop.
bool EnsureApplication();

// The controls the template makes, by class.
QWidget* CreateButton(HWND control, const std::u16string& text, QWidget* dialog);
QWidget* CreateStatic(HWND control, const std::u16string& text, uint32_t exStyle, QWidget* dialog);

// A button of the BS_AUTORADIOBUTTON type.
bool IsAutoRadio(HWND control);

// A button's messages (BM_*); 0 for any other.
LRESULT ButtonMessage(HWND button, UINT message, WPARAM wParam);

// WM_SETICON: the window's icon, from the icon handle in lParam.
void SetWindowIcon(HWND window, LPARAM icon);

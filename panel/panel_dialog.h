// The operator panel: its dialog procedure, the helpers it is made of, its
// StepNotifier and the program entry. Win32 only, so the same code runs
// over the real dialog manager and over the Linux one.
#pragma once

#include <windows.h>

#include <cstdint>

#include "board_ops.h"

// The panel's one process-wide record, from start to exit.
struct PanelSessionState {
    HINSTANCE instance;  // from GetModuleHandleW at entry
    HWND window;         // recorded at WM_INITDIALOG; owns the step boxes
};
extern PanelSessionState PanelSession;

INT_PTR CALLBACK PanelDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The panel's step pause, which the entry installs as the link's
// StepNotifier: a box with the phase, owned by the panel, until OK.
void PanelStepNotifier(const wchar_t* text);

// Told of each command that reached the board once it has returned, with
// the step mode it ran under (write: the register and the byte; read: the
// byte shown; timer: the count shown); installed by the entry where the
// session is recorded, else null.
using CommandDone = void (*)(BoardCommand command, RegisterCode code, uint32_t value, uint32_t stepMode);
extern CommandDone PanelCommandDone;

// Bit i is input box IDC_BIT0 + i, whichever register is selected.
uint8_t GatherInputByte(HWND window);

// The first checked of data, address high, address low; otherwise control.
RegisterCode SelectedRegister(HWND window);

// Read-back box IDC_READ_BIT0 + i shows bit i.
void ShowReadByte(HWND window, uint8_t value);

// A count as plain decimal digits, terminated, in a buffer that lives as long
// as the caller keeps it.
struct DecimalText {
    wchar_t text[32];
};
DecimalText FormatDecimal(uint32_t n);

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int);

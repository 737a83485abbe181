// The operator panel: its dialog procedure and its StepNotifier. Win32
// only, so the same code runs over the real dialog manager and over the
// Linux one. The entry (start/) hands the run over to it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "board_ops.h"

// The panel's one process-wide record, from start to exit.
struct PanelSessionState {
    HINSTANCE instance;  // from GetModuleHandleW as the panel is shown
    HWND window;         // recorded at WM_INITDIALOG; owns the step boxes
};
extern PanelSessionState PanelSession;

INT_PTR CALLBACK PanelDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The panel's step pause, the link's StepNotifier while it is shown: a box
// with the phase, owned by the panel, until OK.
void PanelStepNotifier(const wchar_t* text);

// Told of each command that reached the board once it has returned, with
// the step mode it ran under (write: the register and the byte; read: the
// byte shown; timer: the count shown).
using CommandDone = void (*)(BoardCommand command, RegisterCode code, uint32_t value, uint32_t stepMode);

// The panel, until it is closed: its step pause installed, each command
// told to commandDone (null: to no one, as where no session is recorded).
// False where no window could be opened.
bool ShowPanel(CommandDone commandDone);

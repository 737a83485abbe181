#include "panel_dialog.h"

#include "panel_ids.h"
#include "text.h"

PanelSessionState PanelSession = {nullptr, nullptr};
static CommandDone PanelCommandDone = nullptr;


static uint8_t GatherInputByte(HWND window) {
    uint8_t data = 0;
    for (int i = 0; i < PANEL_BITS; ++i)
        data |= static_cast<uint8_t>((IsDlgButtonChecked(window, IDC_BIT0 + i) & 1) << i);
    return data;
}

// IDC_SEL_CONTROL itself is never looked at, so no selection at all also
// means the control register.
static RegisterCode SelectedRegister(HWND window) {
    if (IsDlgButtonChecked(window, IDC_SEL_DATA) == BST_CHECKED) return REG_DATA;
    if (IsDlgButtonChecked(window, IDC_SEL_ADDR_HIGH) == BST_CHECKED) return REG_ADDR_HIGH;
    if (IsDlgButtonChecked(window, IDC_SEL_ADDR_LOW) == BST_CHECKED) return REG_ADDR_LOW;
    return REG_CONTROL;
}

static void ShowReadByte(HWND window, uint8_t value) {
    for (int i = 0; i < PANEL_BITS; ++i) {
        const WPARAM state = ((value >> i) & 1) ? BST_CHECKED : BST_UNCHECKED;
        SendDlgItemMessageW(window, IDC_READ_BIT0 + i, BM_SETCHECK, state, 0);
    }
}


// A box with no caption (the platform's default title), no icon and only
// OK, owned by the panel, which stays disabled until it is dismissed.
static void ShowBox(const wchar_t* text) { MessageBoxW(PanelSession.window, text, nullptr, MB_OK); }

void PanelStepNotifier(const wchar_t* text) { ShowBox(text); }

static void SelectAll(HWND window) {
    const UINT state = IsDlgButtonChecked(window, IDC_CHECKBOX1052);
    for (int id = IDC_BIT0; id <= IDC_BIT7; ++id) SendDlgItemMessageW(window, id, BM_SETCHECK, state, 0);
}

// Write and Read sample the step box; Reset and Address step then use what
// was sampled last, even if the box has changed since.
static void SampleStepMode(HWND window) { StepMode = IsDlgButtonChecked(window, IDC_STEP_MODE); }

// A command that reached the board, told once it has returned.
static void Done(BoardCommand command, RegisterCode code = 0, uint32_t value = 0) {
    if (PanelCommandDone != nullptr) PanelCommandDone(command, code, value, StepMode);
}

// The whole wParam is compared, so only notification code 0 (a click, or
// Esc for IDCANCEL) runs a command.
static BOOL RunCommand(HWND window, WPARAM command) {
    switch (command) {
    case IDCANCEL:
        EndDialog(window, 0);
        return TRUE;
    case IDC_WRITE: {
        SampleStepMode(window);
        const uint8_t data = GatherInputByte(window);
        const RegisterCode code = SelectedRegister(window);
        WriteRegister(code, data);
        Done(BoardCommand::Write, code, data);
        return TRUE;
    }
    case IDC_READ: {
        SampleStepMode(window);
        const uint8_t value = ReadDataByte();
        ShowReadByte(window, value);
        Done(BoardCommand::Read, 0, value);
        return TRUE;
    }
    case IDC_CHECKBOX1052:
        SelectAll(window);
        return TRUE;
    case IDC_RESET:
        ResetBoard();
        Done(BoardCommand::Reset);
        return TRUE;
    case IDC_ADDR_STEP:
        StepAddress();
        Done(BoardCommand::Step);
        return TRUE;
    case IDC_TIMER_TEST: {
        const uint32_t count = MeasureTimer();
        Done(BoardCommand::Timer, 0, count);  // before its box, which may stay up long
        wchar_t shown[24] = L"";  // plain digits, as many as a count has
        Add(shown, DecimalDigits(count).text);
        ShowBox(shown);
        return TRUE;
    }
    case IDC_SPARE1:
    case IDC_SPARE2:
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK PanelDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const HICON icon = LoadIconW(PanelSession.instance, MAKEINTRESOURCEW(IDI_PANEL));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        PanelSession.window = window;
        SendDlgItemMessageW(window, IDC_SEL_CONTROL, BM_SETCHECK, BST_CHECKED, 0);
        return TRUE;  // the platform focuses the first tab stop, "Выход"
    }
    case WM_CLOSE:
        EndDialog(window, 0);
        return TRUE;
    case WM_COMMAND:
        return RunCommand(window, wParam);
    default:
        return FALSE;
    }
}

bool ShowPanel(CommandDone commandDone) {
    StepNotifier = PanelStepNotifier;
    PanelCommandDone = commandDone;
    PanelSession.instance = GetModuleHandleW(nullptr);
    return DialogBoxParamW(PanelSession.instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr, PanelDialogProc, 0) != -1;
}

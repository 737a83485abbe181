#include "panel_dialog.h"

#include "board_ops.h"
#include "board_script.h"
#include "panel_ids.h"
#include "port_io.h"

PanelSessionState PanelSession = {nullptr, nullptr};

uint8_t GatherInputByte(HWND window) {
    uint8_t data = 0;
    for (int i = 0; i < PANEL_BITS; ++i)
        data |= static_cast<uint8_t>((IsDlgButtonChecked(window, IDC_BIT0 + i) & 1) << i);
    return data;
}

// IDC_SEL_CONTROL itself is never looked at, so no selection at all also
// means the control register.
RegisterCode SelectedRegister(HWND window) {
    if (IsDlgButtonChecked(window, IDC_SEL_DATA) == BST_CHECKED) return REG_DATA;
    if (IsDlgButtonChecked(window, IDC_SEL_ADDR_HIGH) == BST_CHECKED) return REG_ADDR_HIGH;
    if (IsDlgButtonChecked(window, IDC_SEL_ADDR_LOW) == BST_CHECKED) return REG_ADDR_LOW;
    return REG_CONTROL;
}

void ShowReadByte(HWND window, uint8_t value) {
    for (int i = 0; i < PANEL_BITS; ++i) {
        const WPARAM state = ((value >> i) & 1) ? BST_CHECKED : BST_UNCHECKED;
        SendDlgItemMessageW(window, IDC_READ_BIT0 + i, BM_SETCHECK, state, 0);
    }
}

DecimalText FormatDecimal(uint32_t n) {
    wchar_t digits[16];
    wchar_t* first = digits + 16;
    do {
        *--first = static_cast<wchar_t>(L'0' + n % 10);
        n /= 10;
    } while (n != 0);
    DecimalText out = {};
    for (wchar_t* to = out.text; first != digits + 16;) *to++ = *first++;
    return out;
}

// A box with no caption (the platform's default title), no icon and only
// OK, owned by the panel, which stays disabled until it is dismissed.
static void ShowBox(const wchar_t* text) { MessageBoxW(PanelSession.window, text, nullptr, MB_OK); }

// A board script pauses on its terminal; the panel in a box.
void StepNotifier(const wchar_t* text) {
    if (!ScriptStepPause(text)) ShowBox(text);
}

static void SelectAll(HWND window) {
    const UINT state = IsDlgButtonChecked(window, IDC_CHECKBOX1052);
    for (int id = IDC_BIT0; id <= IDC_BIT7; ++id) SendDlgItemMessageW(window, id, BM_SETCHECK, state, 0);
}

// Write and Read sample the step box; Reset and Address step then use what
// was sampled last, even if the box has changed since.
static void SampleStepMode(HWND window) { StepMode = IsDlgButtonChecked(window, IDC_STEP_MODE); }

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
        return TRUE;
    }
    case IDC_READ: {
        SampleStepMode(window);
        const uint8_t value = ReadDataByte();
        ShowReadByte(window, value);
        return TRUE;
    }
    case IDC_CHECKBOX1052:
        SelectAll(window);
        return TRUE;
    case IDC_RESET:
        ResetBoard();
        return TRUE;
    case IDC_ADDR_STEP:
        StepAddress();
        return TRUE;
    case IDC_TIMER_TEST: {
        const uint32_t count = MeasureTimer();
        const DecimalText shown = FormatDecimal(count);
        ShowBox(shown.text);
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

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A board script (--run) is read and checked whole before the port is
    // taken: a wrong word never reaches it.
    const bool scripted = LoadBoardScript();
    // The port library takes hold of its port first, or ends the program
    // with its reason: nothing may run on a port that is not there.
    PortStart();
    // The script runs in place of the panel, with no window.
    if (scripted) RunLoadedScript();
    PanelSession.instance = GetModuleHandleW(nullptr);
    DialogBoxParamW(PanelSession.instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr, PanelDialogProc, 0);
    ExitProcess(0);
    return 0;
}

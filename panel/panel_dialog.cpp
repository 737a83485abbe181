#include "panel_dialog.h"

#include "board_ops.h"
#include "board_script.h"
#include "command_line.h"
#include "console.h"
#include "panel_ids.h"
#include "port_io.h"
#include "port_start.h"
#include "run_end.h"
#include "session_record.h"
#include "text.h"

PanelSessionState PanelSession = {nullptr, nullptr};
CommandDone PanelCommandDone = nullptr;


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
    DecimalText out = {};
    AppendDecimal(out.text, sizeof out.text / sizeof out.text[0], n);
    return out;
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

// The whole start, one story: each step returns what it found, and where
// the run goes no further, it ends here with that step's status: the
// command line's (0 for help or the version, 2 for a usage error), the
// script's (2), a refusal of the record's file or the port (1). Only what
// fails later, inside a command (a port gone, a line of a record or a trace
// not written), ends the run from where it failed, through the same EndRun.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const char* const* args = nullptr;
    const int count = ProgramArguments(&args);
    const CommandLine line = ReadCommandLine(count, args, PortNamed());
    BeginRun(THIS_PROGRAM.product, line.script != nullptr ? RunKind::Script : RunKind::Panel);
    // Help, the version, or a usage error: answered, touching no port.
    if (line.asked != ProgramAsked::Panel) {
        const Answer answer = CommandLineAnswer(line, THIS_PROGRAM);
        EndRun(line.asked == ProgramAsked::Wrong ? EXIT_WRONG : EXIT_DONE, answer.text,
               ANSWER_IN_BOX ? answer.text : nullptr);
    }
    // A board script is read and checked whole, and a session's record
    // opened, before the port is taken: a wrong word never reaches it.
    static BoardScript script;
    static ScriptTrouble scriptTrouble;
    if (line.script != nullptr && !LoadBoardScript(line.script, &script, &scriptTrouble))
        EndRun(EXIT_WRONG, scriptTrouble.said, nullptr, scriptTrouble.named);
    static Trouble recordTrouble;
    if (line.record != nullptr && !StartRecording(line.record, &recordTrouble))
        EndWithTrouble(recordTrouble.english, recordTrouble.russian);
    // Nothing may run on a port that is not there.
    const PortStarted port = PortStart(line.port, EndWithTrouble);
    if (port.port == nullptr) EndWithTrouble(port.english, port.russian);
    // The script runs in place of the panel, with no window, pausing on the
    // operator's terminal.
    if (line.script != nullptr) {
        StepNotifier = ScriptStepPause;
        EndRun(RunBoardScript(script));
    }
    StepNotifier = PanelStepNotifier;
    if (line.record != nullptr) {
        RecordHead(THIS_PROGRAM.product, port.port);
        PanelCommandDone = RecordCommand;
    }
    PanelSession.instance = GetModuleHandleW(nullptr);
    if (DialogBoxParamW(PanelSession.instance, MAKEINTRESOURCEW(IDD_PANEL), nullptr, PanelDialogProc, 0) == -1)
        EndRun(EXIT_TROUBLE, THIS_PROGRAM.noWindow, nullptr, true);
    EndRun(EXIT_DONE);
}

// End-to-end tests of the real kalderon-test.exe under Wine (wine_panel.h):
// the scenarios both panels share, the ways to close, the template as built,
// the refusals at start and the simulated board's waveform. The port choice,
// the program file and the picture have files of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "group_dialog.h"
#include "help_from_table.h"
#include "panel_controls.h"
#include "panel_ids.h"
#include "panel_scenarios.h"
#include "wine_panel.h"

namespace {

// --- The scenarios both panels share, through this driver ---------------------

class WinePanelDriver : public PanelDriver {
public:
    explicit WinePanelDriver(Panel& panel) : p_(panel) {}
    void Click(int id) override { ::Click(p_, id); }
    // Shift+Tab as the dialog manager does it: a posted key carries no
    // shift state.
    void Key(PanelKey key) override {
        if (key == PanelKey::ShiftTab) {
            PostMessageW(p_.dialog, WM_NEXTDLGCTL, 1, FALSE);
            Settle(p_);
            return;
        }
        const WPARAM codes[] = {VK_TAB, 0, VK_RETURN, VK_SPACE, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
        ::Key(p_, codes[int(key)]);
    }
    bool Checked(int id) override { return ::Checked(p_, id); }
    int FocusedId() override { return GetDlgCtrlID(Focus(p_)); }
    void FocusOn(int id) override {
        PostMessageW(p_.dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(p_, id)), TRUE);
        Settle(p_);
    }
    void CloseBox() override { PostMessageW(p_.dialog, WM_CLOSE, 0, 0); }
    bool PanelOpen() override { return IsWindow(p_.dialog) != FALSE; }
    std::vector<std::string> Trace() override { return ::Trace(p_); }
    // Every box the command opens, until it has ended.
    std::vector<BoxSeen> Answering(const std::function<void()>& act) override {
        std::vector<BoxSeen> boxes;
        act();
        for (HWND box; (box = BoxOf(p_)) != nullptr;) {
            boxes.push_back({U16(BoxText(box)), U16(TextOf(box)), IsWindowEnabled(p_.dialog) == FALSE,
                             ::Trace(p_).size()});
            Dismiss(box);
        }
        return boxes;
    }
    std::u16string DefaultBoxTitle() override { return u""; }  // Wine's own, in its locale

private:
    Panel& p_;
};

// A shared scenario on a fresh panel, closed after it with exit code 0.
class ScenarioTest : public ::testing::Test {
public:
    explicit ScenarioTest(std::function<void(PanelDriver&)> run) : run_(std::move(run)) {}
    void TestBody() override {
        Panel panel = Open();
        ASSERT_NE(panel.dialog, nullptr);
        WinePanelDriver driver(panel);
        run_(driver);
        PostMessageW(panel.dialog, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForExit(panel), 0);
    }

private:
    std::function<void(PanelDriver&)> run_;
};

// A group-dialog scenario on this program's own dialog, run in a thread of
// its own, driven as the panel is from outside it.
DWORD WINAPI RunGroupDialog(void*) {
    return DWORD(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GROUPS), nullptr,
                                 GroupDialogProc, 0));
}

class GroupScenarioTest : public ::testing::Test {
public:
    explicit GroupScenarioTest(std::function<void(PanelDriver&)> run) : run_(std::move(run)) {}
    void TestBody() override {
        Panel dialog;
        dialog.process.hProcess = CreateThread(nullptr, 0, RunGroupDialog, nullptr, 0, &dialog.process.dwThreadId);
        dialog.process.dwProcessId = GetCurrentProcessId();
        dialog.dialog = WaitForDialog(dialog.process.dwProcessId, nullptr, dialog.process.dwThreadId);
        ASSERT_NE(dialog.dialog, nullptr);
        WinePanelDriver driver(dialog);
        run_(driver);
        PostMessageW(dialog.dialog, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(dialog.process.hProcess, SAFETY_NET_MS), WAIT_OBJECT_0);
        CloseHandle(dialog.process.hProcess);
    }

private:
    std::function<void(PanelDriver&)> run_;
};

TEST(PanelEnd, EveryWayOfClosingEndsWithCodeZero) {
    for (const PanelScenario& ending : PanelEndings()) {
        SCOPED_TRACE(ending.name);
        Panel p = Open();
        ASSERT_NE(p.dialog, nullptr);
        WinePanelDriver driver(p);
        ending.run(driver);
        EXPECT_EQ(WaitForExit(p), 0);
    }
}

// --- The template as built -------------------------------------------------

// The live windows against the one control table: class, text, style, tab
// stop and place, in creation (template) order.
TEST(PanelTemplate, AsBuilt) {
    Panel panel = Open();
    ASSERT_NE(panel.dialog, nullptr);
    EXPECT_EQ(TextOf(panel.dialog), PANEL_CAPTION);
    const LONG style = GetWindowLongW(panel.dialog, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_DISABLED));

    // The dialog's base units, found from its client area as the template
    // sizes it (MapDialogRect does not work across processes).
    RECT client;
    GetClientRect(panel.dialog, &client);
    int baseX = 0, baseY = 0;
    for (int b = 1; b < 64; ++b) {
        if (baseX == 0 && MulDiv(PANEL_DLU_WIDTH, b, 4) == client.right) baseX = b;
        if (baseY == 0 && MulDiv(PANEL_DLU_HEIGHT, b, 8) == client.bottom) baseY = b;
    }
    ASSERT_NE(baseX * baseY, 0) << "no base units give a client area of " << client.right << "x" << client.bottom;

    const std::vector<ControlRow>& controls = PanelControls();
    HWND child = GetWindow(panel.dialog, GW_CHILD);
    for (const ControlRow& c : controls) {
        SCOPED_TRACE(c.id);
        HWND w = Item(panel, c.id);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w, child);
        child = GetWindow(child, GW_HWNDNEXT);
        EXPECT_EQ(U16(ClassOf(w)), c.cls);
        EXPECT_EQ(U16(TextOf(w)), c.text);
        // The control radio's tab stop follows its check, set at start.
        const DWORD s = DWORD(GetWindowLongW(w, GWL_STYLE));
        EXPECT_EQ(s & ~DWORD(WS_TABSTOP), c.style & ~DWORD(WS_TABSTOP));
        EXPECT_EQ(s & WS_TABSTOP, c.id == IDC_SEL_CONTROL ? DWORD(WS_TABSTOP) : c.style & WS_TABSTOP);
        EXPECT_EQ(DWORD(GetWindowLongW(w, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, c.exStyle);
        // Place and size each converted on its own, as the dialog manager does.
        const LONG left = MulDiv(c.x, baseX, 4), top = MulDiv(c.y, baseY, 8);
        const RECT want = {left, top, left + MulDiv(c.cx, baseX, 4), top + MulDiv(c.cy, baseY, 8)};
        RECT got;
        GetWindowRect(w, &got);
        MapWindowPoints(nullptr, panel.dialog, reinterpret_cast<POINT*>(&got), 2);
        EXPECT_EQ((std::vector<LONG>{got.left, got.top, got.right, got.bottom}),
                  (std::vector<LONG>{want.left, want.top, want.right, want.bottom}));
    }
    EXPECT_EQ(child, nullptr);
    PostMessageW(panel.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(panel), 0);
}


struct StartRefusalCase {
    const char* name;
    const std::wstring& folder;
    std::string trace;
    std::vector<std::wstring> says;
};

// The port library's driver not open; the simulated board's trace file
// not to be made.
TEST(PanelStart, RefusesWhatWouldMakeThePanelLie) {
    const StartRefusalCase cases[] = {
        {"a closed port driver", g_closedFolder, "", {L"администратора", L"Целостность памяти"}},
        {"a trace in a missing folder", g_simFolder, "C:\\no-such-folder\\trace.txt",
         {L"C:\\no-such-folder\\trace.txt"}},
        {"a Cyrillic name, whatever the code page", g_simFolder, "C:\\нет-папки\\trace.txt",
         {L"C:\\нет-папки\\trace.txt"}},
    };
    for (const StartRefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p = Launch(c.folder, L"", c.trace);
        ExpectRefusal(p, c.says);
    }
}

// --- The simulated board's trace -------------------------------------------------

// A Write of 0x1A to address high and a Read, as a waveform: run.sh has
// sigrok-cli read it back afterwards, as the Linux board's is. The session
// recorded too, as the lines --run reads.
TEST(SimulatedBoardTrace, AWaveformOfAWriteAndARead) {
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%ls\\windows-write-read.vcd", g_outFolder.c_str());
    const std::wstring record = g_outFolder + L"\\session.txt";
    DeleteFileW(record.c_str());
    Panel p = Launch(g_simFolder, L"--record \"" + record + L"\"", path);
    WaitForInputIdle(p.process.hProcess, SAFETY_NET_MS);
    p.dialog = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    ASSERT_NE(p.dialog, nullptr);
    for (int id : {IDC_BIT0 + 1, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_SEL_ADDR_HIGH, IDC_WRITE, IDC_READ}) Click(p, id);
    PostMessageW(p.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
    EXPECT_NE(GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES);
    std::ifstream file(record.c_str());
    const std::string recorded((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(recorded.rfind("# kalderon-test: a panel session recorded ", 0), 0u) << recorded;
    EXPECT_NE(recorded.find("\nwrite high 0x1A\nread = 0x"), std::string::npos) << recorded;
}

// --- Board scripts -------------------------------------------------------------

// From a console, kalderon-test.com runs the program beside it and hands
// back what it printed and its exit status, as cmd shows them; a console
// run answers in the console alone, the simulated DLL's refusals included:
// a box would hold the program, and the run would never end.
struct ConsoleCase {
    const char* name;
    std::wstring arguments;
    const char* trace;  // KALDERON_PORT_TRACE, or null
    DWORD status;
    std::vector<std::string> says;
    const char* board = nullptr;  // KALDERON_SIM_BOARD: what the simulated board plays
    bool noLibrary = false;       // the program alone in a folder, its port library not beside it
};

TEST(BoardScript, ItsOutputAndStatusReachTheConsole) {
    const std::wstring script = g_outFolder + L"\\check.txt";
    const char text[] = "reset\r\nwrite control 0x00  # the chip at address 0\r\nread = 0x01\r\n";
    HANDLE file = CreateFileW(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    const std::wstring run = L"--run \"" + script + L"\"";
    const std::wstring board = g_outFolder + L"\\board.txt";
    file = CreateFileW(board.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    WriteFile(file, "read = 0x00\r\n", 13, &written, nullptr);
    CloseHandle(file);
    // The program and its .com alone, as copied without the port library.
    const std::wstring alone = g_outFolder + L"\\no-library";
    CreateDirectoryW(alone.c_str(), nullptr);
    CopyFileW(g_exe.c_str(), (alone + L"\\kalderon-test.exe").c_str(), FALSE);
    CopyFileW((g_exe.substr(0, g_exe.size() - 4) + L".com").c_str(), (alone + L"\\kalderon-test.com").c_str(), FALSE);
    const ConsoleCase cases[] = {
        {"a read that finds another byte", run, nullptr, 1, {"read 0x00\n", "check.txt:3: ожидалось 0x01, прочитано 0x00"}},
        {"the help, its lists the table's", L"--help", nullptr, 0,
         {"Запуск: kalderon-test.exe", KALDERON_TEST_EXE_OPTIONS, KALDERON_TEST_EXE_STATUSES, "Руководство: README.txt"}},
        {"a trace that cannot be made", run, "Z:\\no\\such\\folder\\trace.txt", 1,
         {"Не удалось создать файл трассировки порта Z:\\no\\such\\folder\\trace.txt"}},
        {"a record that cannot be made", L"--record Z:\\no\\such\\folder\\s.txt", nullptr, 1,
         {"Не удалось создать файл записи сеанса Z:\\no\\such\\folder\\s.txt"}},
        {"a port for the simulated board, as on Linux", L"--port LPT2 " + run, nullptr, 2,
         {"«--port»: имитатору платы порт не нужен.", "Запуск: kalderon-test.exe"}},
        // What a new user tries first: the simulated DLL, left beside the
        // program, passes a board's check, and says so.
        {"a script on the simulated board says so", L"--run \"" + board + L"\"", nullptr, 0,
         {"read 0x00\n", "\\board.txt: все проверки сошлись (чтений: 1, таймеров: 0) на имитаторе платы\n"}},
        {"a check finds the board", L"--check", nullptr, 0, {"Итог: имитатор платы: плата ответила.", " мкс"}},
        // One width is enough for the rest of the verdicts.
        {"a check finds a port with no board", L"--check", nullptr, 1,
         {"Платы нет: линия таймера установлена все 100000", "Итог: имитатор платы: порт отвечает, плата нет."},
         "no-board"},
        {"a check finds no port", L"--check", nullptr, 1, {"Итог: имитатор платы: ничего не отвечает."}, "no-port"},
        {"no port library beside the program", L"--help", nullptr, 1,
         {"нет библиотеки порта inpout", "no-library\\inpout"}, nullptr, true},
    };
    for (const ConsoleCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.board != nullptr && sizeof(void*) == 4) continue;
        const std::wstring& folder = c.noLibrary ? alone : g_simFolder;
        const std::wstring com =
            (c.noLibrary ? alone + L"\\kalderon-test" : g_exe.substr(0, g_exe.size() - 4)) + L".com";
        SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
        HANDLE readEnd = nullptr, writeEnd = nullptr;
        ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherited, 0));
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = startup.hStdError = writeEnd;
        SetEnvironmentVariableA("KALDERON_PORT_TRACE", c.trace);
        SetEnvironmentVariableA("KALDERON_SIM_BOARD", c.board);
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(StartProgram(L"\"" + com + L"\" " + c.arguments, folder.c_str(), startup, &process));
        CloseHandle(writeEnd);
        std::string output;
        char buffer[256];
        for (DWORD got = 0; ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0;)
            output.append(buffer, got);
        CloseHandle(readEnd);
        ASSERT_EQ(WaitForSingleObject(process.hProcess, SAFETY_NET_MS), WAIT_OBJECT_0);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        EXPECT_EQ(status, c.status);
        for (const std::string& said : c.says) EXPECT_NE(output.find(said), std::string::npos) << output;
    }
}

}  // namespace


// Arguments: the program, the simulated board's folder, the closed-driver
// folder, the output folder (the build's, with the stand-in library in it)
// and the folder of .reg files, as Windows paths; then GoogleTest's own.
int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (const PanelScenario& sc : PanelScenarios()) {
        const auto run = sc.run;
        ::testing::RegisterTest("PanelScenario", sc.name, nullptr, nullptr, __FILE__, __LINE__,
                                [run]() -> ::testing::Test* { return new ScenarioTest(run); });
    }
    for (const PanelScenario& sc : GroupDialogScenarios()) {
        const auto run = sc.run;
        ::testing::RegisterTest("GroupDialogScenario", sc.name, nullptr, nullptr, __FILE__, __LINE__,
                                [run]() -> ::testing::Test* { return new GroupScenarioTest(run); });
    }
    if (argc != 6) {
        fprintf(stderr, "usage: panel_e2e EXE SIM_FOLDER CLOSED_FOLDER OUT_FOLDER REGISTRY_FOLDER\n");
        return 2;
    }
    // The program, started as from Explorer, must find no console to answer
    // in; the driver's output goes on through its standard handles.
    FreeConsole();
    g_exe = argv[1];
    g_simFolder = argv[2];
    g_closedFolder = argv[3];
    g_outFolder = argv[4];
    g_standInFolder = g_outFolder + L"\\stand-in";
    g_registryFolder = argv[5];
    return RUN_ALL_TESTS();
}

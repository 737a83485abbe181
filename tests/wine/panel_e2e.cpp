// End-to-end tests of the real kalderon-test.exe, driven from outside as an
// operator would: the dialog is found by class and caption, controls are read
// with the ordinary Win32 calls and clicked with posted BM_CLICK (a sent one
// would block inside a modal box), message boxes are found on the panel's
// thread, read and dismissed. The panel runs on the simulated board, whose
// port trace is the record of what went to the port.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "group_dialog.h"
#include "panel_controls.h"
#include "panel_scenarios.h"
#include "panel_ids.h"

namespace {

std::wstring g_exe;          // kalderon-test.exe
std::wstring g_simFolder;    // the simulated board's inpout32.dll
std::wstring g_closedFolder; // an inpout32.dll whose driver is not open
std::wstring g_outFolder;    // traces and the screenshot
std::wstring g_standInFolder; // the simulated board as a real port library would be
std::wstring g_registryFolder; // .reg files of the parallel ports a PC lists

// Every wait below is for something the test expects to see; this bound is
// only a safety net against a hang, far beyond what a slow emulated machine
// takes.
constexpr DWORD SAFETY_NET_MS = 180000;
const wchar_t* const PANEL_CAPTION = L"KALDERON TEST";
const wchar_t* const DIALOG_CLASS = L"#32770";

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

std::wstring TextOf(HWND w) {
    wchar_t text[2048] = {};
    GetWindowTextW(w, text, 2048);
    return text;
}

struct Panel {
    PROCESS_INFORMATION process = {};
    HWND dialog = nullptr;
    std::string tracePath;
};

// Polls until `done` holds, or the safety net runs out.
bool WaitUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > SAFETY_NET_MS) return false;
        Sleep(10);
    }
    return true;
}

struct Finder {
    DWORD pid;
    HWND exclude;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK FindDialogOfProcess(HWND w, LPARAM param) {
    auto* f = reinterpret_cast<Finder*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == f->pid && w != f->exclude && (!f->visibleOnly || IsWindowVisible(w)) && ClassOf(w) == DIALOG_CLASS) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

// A dialog-class window of the process (of one thread of it, if given),
// other than `exclude`; shown or not yet.
HWND FindDialog(DWORD pid, HWND exclude, DWORD threadId, bool visibleOnly) {
    Finder f = {pid, exclude, visibleOnly, nullptr};
    if (threadId != 0)
        EnumThreadWindows(threadId, FindDialogOfProcess, reinterpret_cast<LPARAM>(&f));
    else
        EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

// Waits for a shown dialog-class window of the process, other than `exclude`.
HWND WaitForDialog(DWORD pid, HWND exclude, DWORD threadId) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(pid, exclude, threadId, true)) != nullptr; });
    return found;
}

int g_launches = 0;

// The program on this DLL folder, tracing to a file of its own unless told
// which.
Panel Launch(const std::wstring& dllFolder, const std::wstring& arguments = L"", const std::string& trace = "") {
    Panel p;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%lsktrace-%lu-%d.txt", temp, GetCurrentProcessId(), ++g_launches);
    if (!trace.empty()) snprintf(path, sizeof path, "%s", trace.c_str());
    p.tracePath = path;
    DeleteFileA(path);
    SetEnvironmentVariableA("KALDERON_PORT_TRACE", path);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + g_exe + L"\" " + arguments;
    // The DLL is found in the current folder, as the operator's copy would be
    // found beside the program.
    if (!CreateProcessW(g_exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, dllFolder.c_str(),
                        &startup, &p.process)) {
        ADD_FAILURE() << "cannot start the panel: " << GetLastError();
        return p;
    }
    return p;
}

Panel Open(const std::wstring& dllFolder = g_simFolder, const std::wstring& arguments = L"") {
    Panel p = Launch(dllFolder, arguments);
    WaitForInputIdle(p.process.hProcess, SAFETY_NET_MS);
    p.dialog = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    if (p.dialog == nullptr || TextOf(p.dialog) != PANEL_CAPTION) ADD_FAILURE() << "the panel did not open";
    return p;
}

HWND Item(const Panel& p, int id) { return GetDlgItem(p.dialog, id); }

// Waits until the panel's thread has handled everything posted to it before:
// posts a marker behind it, flipping the pushed state of the hidden spare
// button, and waits to see the flip. Only a message loop handles it: the
// dialog's, once a command has ended, or the loop of a box the command has
// opened (which then exists, if not yet shown). A panel that has ended has
// nothing left to handle.
void Settle(const Panel& p) {
    HWND marker = Item(p, IDC_SPARE1);
    const bool pushed = (SendMessageW(marker, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    PostMessageW(marker, BM_SETSTATE, !pushed, 0);
    const bool settled = WaitUntil([&] {
        DWORD_PTR state = 0;
        if (!SendMessageTimeoutW(marker, BM_GETSTATE, 0, 0, SMTO_NORMAL, SAFETY_NET_MS, &state))
            return IsWindow(marker) == FALSE;
        return ((state & BST_PUSHED) != 0) != pushed;
    });
    if (!settled) ADD_FAILURE() << "the panel did not answer";
}

void Click(const Panel& p, int id) {
    PostMessageW(Item(p, id), BM_CLICK, 0, 0);
    Settle(p);
}

// A key as the keyboard would deliver it to the control with the focus.
void Key(const Panel& p, WPARAM key) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(p.process.dwThreadId, &info);
    HWND target = info.hwndFocus != nullptr ? info.hwndFocus : p.dialog;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Settle(p);
}

bool Checked(const Panel& p, int id) { return IsDlgButtonChecked(p.dialog, id) == BST_CHECKED; }

HWND Focus(const Panel& p) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(p.process.dwThreadId, &info);
    return info.hwndFocus;
}

// The box a settled panel shows, if any: see Settle.
HWND BoxOf(const Panel& p) {
    Settle(p);
    HWND box = FindDialog(p.process.dwProcessId, p.dialog, p.process.dwThreadId, false);
    if (box != nullptr && !WaitUntil([&] { return IsWindowVisible(box) != FALSE; }))
        ADD_FAILURE() << "a box was never shown";
    return box;
}

BOOL CALLBACK CollectStaticText(HWND w, LPARAM param) {
    const std::wstring text = TextOf(w);
    if (ClassOf(w) == L"Static" && !text.empty()) *reinterpret_cast<std::wstring*>(param) += text;
    return TRUE;
}

std::wstring BoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void Dismiss(HWND box) {
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return IsWindow(box) == FALSE; })) ADD_FAILURE() << "the box did not close";
}

std::vector<std::string> Trace(const Panel& p) {
    std::vector<std::string> lines;
    std::ifstream in(p.tracePath);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int WaitForExit(Panel& p) {
    DWORD code = 999;
    if (WaitForSingleObject(p.process.hProcess, SAFETY_NET_MS) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the panel did not end";
        TerminateProcess(p.process.hProcess, 99);
        return -1;
    }
    GetExitCodeProcess(p.process.hProcess, &code);
    CloseHandle(p.process.hProcess);
    CloseHandle(p.process.hThread);
    return static_cast<int>(code);
}

// --- The scenarios both panels share, through this driver ---------------------

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

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

std::string Utf8(const std::wstring& text) {
    char bytes[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    return bytes;
}

// A refusal before the panel: an error box (not the panel) saying all of
// `says`; OK ends the program with code 1, and no port was touched.
void ExpectRefusal(Panel& p, const std::vector<std::wstring>& says) {
    HWND box = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(TextOf(box), PANEL_CAPTION);
    for (const std::wstring& said : says)
        EXPECT_NE(BoxText(box).find(said), std::wstring::npos) << "a text the box lacks: " << Utf8(said);
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(WaitForExit(p), 1);
    EXPECT_TRUE(Trace(p).empty()) << "a port was touched before the refusal";
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
    };
    for (const StartRefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p = Launch(c.folder, L"", c.trace);
        ExpectRefusal(p, c.says);
    }
}

// --- The simulated board's trace -------------------------------------------------

// A Write of 0x1A to address high and a Read, as a waveform: run.sh has
// sigrok-cli read it back afterwards, as the Linux board's is.
TEST(SimulatedBoardTrace, AWaveformOfAWriteAndARead) {
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%ls\\windows-write-read.vcd", g_outFolder.c_str());
    Panel p = Launch(g_simFolder, L"", path);
    WaitForInputIdle(p.process.hProcess, SAFETY_NET_MS);
    p.dialog = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    ASSERT_NE(p.dialog, nullptr);
    for (int id : {IDC_BIT0 + 1, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_SEL_ADDR_HIGH, IDC_WRITE, IDC_READ}) Click(p, id);
    PostMessageW(p.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
    EXPECT_NE(GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES);
}

// --- Finding the port ----------------------------------------------------------


// Runs a program of the prefix's and waits for it.
void RunAndWait(std::wstring command) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, SAFETY_NET_MS), WAIT_OBJECT_0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

// The machine's parallel ports become exactly these (.reg files), as
// regedit imports them.
void ListPorts(const std::vector<const wchar_t*>& devices) {
    RunAndWait(L"regedit /S \"" + g_registryFolder + L"\\no-ports.reg\"");
    for (const wchar_t* device : devices) RunAndWait(L"regedit /S \"" + g_registryFolder + L"\\" + device + L"\"");
}

const wchar_t* const ONBOARD_LPT1 = L"onboard-lpt1.reg";  // 0378-037F, then 0778-077F
const wchar_t* const PCIE_LPT3 = L"pcie-lpt3.reg";        // D010-D017, then D000-D007

struct PortCase {
    const char* name;
    std::vector<const wchar_t*> devices;
    std::wstring arguments;
    std::string data, control;  // where a Write lands; none: refused
    std::vector<std::wstring> boxSays;
};

// The program asks the stand-in library, which answers on whatever base it
// is given, so its trace shows which port the program chose.
TEST(PortChoice, TheFirstListedPortOrTheOneNamedOrARefusalBeforeAnyAccess) {
    const PortCase cases[] = {
        {"a card alone: its first range, not its lower second", {PCIE_LPT3}, L"", "D010", "D012", {}},
        {"onboard and card: the lowest LPT", {PCIE_LPT3, ONBOARD_LPT1}, L"", "378", "37A", {}},
        {"--port LPT3", {ONBOARD_LPT1, PCIE_LPT3}, L"--port LPT3", "D010", "D012", {}},
        {"--port=lpt3", {ONBOARD_LPT1, PCIE_LPT3}, L"--port=lpt3", "D010", "D012", {}},
        {"a base Windows does not list", {ONBOARD_LPT1}, L"--port 0x278", "278", "27A", {}},
        {"a range as Device Manager shows it", {}, L"--port \"E000 - E007\"", "E000", "E002", {}},
        {"no port at all", {}, L"", "", "", {L"ни одного параллельного порта", L"--port D010", L"Ресурсы"}},
        {"an LPT not listed", {ONBOARD_LPT1, PCIE_LPT3}, L"--port LPT2", "", "",
         {L"«LPT2»", L"LPT1 (0378), LPT3 (D010)"}},
        {"not a port", {PCIE_LPT3}, L"--port xyz", "", "", {L"«xyz»", L"LPT3 (D010)"}},
        {"an unknown option", {}, L"/port LPT1", "", "", {L"«/port»", L"ни одного"}},
    };
    for (const PortCase& c : cases) {
        SCOPED_TRACE(c.name);
        ListPorts(c.devices);
        Panel p = Launch(g_standInFolder, c.arguments);
        if (c.data.empty()) {
            ExpectRefusal(p, c.boxSays);
            continue;
        }
        WaitForInputIdle(p.process.hProcess, SAFETY_NET_MS);
        p.dialog = WaitForDialog(p.process.dwProcessId, nullptr, 0);
        ASSERT_NE(p.dialog, nullptr);
        ASSERT_EQ(TextOf(p.dialog), PANEL_CAPTION);
        Click(p, IDC_WRITE);
        EXPECT_EQ(Trace(p), (std::vector<std::string>{"W " + c.data + " 00", "W " + c.control + " 02",
                                                      "W " + c.control + " 03", "W " + c.control + " 02"}));
        PostMessageW(p.dialog, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForExit(p), 0);
    }
    ListPorts({});
}

// A laptop with no parallel port is where the simulated board is tried: it
// looks nothing up and refuses nothing.
TEST(PortChoice, TheSimulatedBoardNeedsNoPort) {
    ListPorts({});
    Panel p = Open(g_simFolder, L"--port LPT9");
    ASSERT_NE(p.dialog, nullptr);
    Click(p, IDC_WRITE);
    EXPECT_EQ(Trace(p).front(), "W 378 00");
    PostMessageW(p.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

// --- What Explorer and Task Manager show of the program file -------------------

// Looked up under the language the file itself lists first, as Explorer does.
std::wstring VersionString(std::vector<char>& info, const wchar_t* name) {
    WORD* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
        size < 2 * sizeof(WORD))
        return L"(no translation)";
    wchar_t path[96];
    swprintf(path, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&value), &size)) return L"(missing)";
    return value;
}

TEST(ProgramFile, CarriesVersionInformationAndAManifest) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(g_exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version information";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(g_exe.c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, L"ProductName"), PANEL_CAPTION);
    EXPECT_EQ(VersionString(info, L"FileDescription"), L"Тестовая панель платы программатора");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), PROGRAM_VERSION);
    EXPECT_EQ(VersionString(info, L"FileVersion"), PROGRAM_VERSION);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    wchar_t numbers[32];
    swprintf(numbers, 32, L"%u.%u", HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS));
    EXPECT_EQ(std::wstring(numbers), PROGRAM_VERSION);

    // The manifest must parse, or Windows refuses to start the program.
    const LPCWSTR manifestId = MAKEINTRESOURCEW(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
    ACTCTXW context = {};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = g_exe.c_str();
    context.lpResourceName = manifestId;
    const HANDLE activation = CreateActCtxW(&context);
    ASSERT_NE(activation, INVALID_HANDLE_VALUE) << "the manifest does not parse: " << GetLastError();
    ReleaseActCtx(activation);
    const HMODULE file = LoadLibraryExW(g_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const LPCWSTR manifestType = MAKEINTRESOURCEW(24);  // RT_MANIFEST
    const HRSRC found = FindResourceW(file, manifestId, manifestType);
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(file, found))),
                               SizeofResource(file, found));
    for (const char* wanted : {"level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                               "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                               "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">true</dpiAware>"})
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    FreeLibrary(file);
}

// --- The picture --------------------------------------------------------------

// The panel as it is on the screen, as 24-bit rows bottom up.
std::vector<char> Capture(const Panel& p, BITMAPINFOHEADER& info) {
    RECT r;
    GetWindowRect(p.dialog, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    info = {sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(((w * 3 + 3) & ~3) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool ManyColours(const std::vector<char>& pixels, const BITMAPINFOHEADER& info) {
    const int stride = (info.biWidth * 3 + 3) & ~3;
    for (int y = 0; y < info.biHeight; ++y)
        for (int x = 0; x < info.biWidth * 3; ++x)
            if (pixels[y * stride + x] != pixels[x % 3]) return true;
    return false;
}

// Saves the panel as it is on the screen, as a 24-bit BMP, for the build to
// turn into panel.png: once it is painted, that is, once two captures with
// the panel's loop run between them agree and show more than one colour.
TEST(PanelPicture, Screenshot) {
    Panel p = Open();
    ASSERT_NE(p.dialog, nullptr);
    BITMAPINFOHEADER info;
    std::vector<char> pixels, before;
    const bool painted = WaitUntil([&] {
        Settle(p);
        before.swap(pixels);
        pixels = Capture(p, info);
        return pixels == before && ManyColours(pixels, info);
    });
    ASSERT_TRUE(painted) << "the panel was never painted";
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info + pixels.size()), 0, 0,
                             DWORD(sizeof file + sizeof info)};
    FILE* out = _wfopen((g_outFolder + L"\\panel.bmp").c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    EXPECT_EQ(fwrite(pixels.data(), 1, pixels.size(), out), pixels.size());
    fclose(out);
    PostMessageW(p.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
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
    g_exe = argv[1];
    g_simFolder = argv[2];
    g_closedFolder = argv[3];
    g_outFolder = argv[4];
    g_standInFolder = g_outFolder + L"\\stand-in";
    g_registryFolder = argv[5];
    return RUN_ALL_TESTS();
}

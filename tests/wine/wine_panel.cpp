// Driving the real program from outside, as an operator would: see
// wine_panel.h.
#include "wine_panel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "panel_ids.h"

std::wstring g_exe;          // kalderon-test.exe
std::wstring g_simFolder;    // the simulated board's inpout32.dll
std::wstring g_closedFolder; // an inpout32.dll whose driver is not open
std::wstring g_outFolder;    // traces and the screenshot
std::wstring g_standInFolder; // the simulated board as a real port library would be
std::wstring g_registryFolder; // .reg files of the parallel ports a PC lists


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

// Polls until `done` holds, or the safety net runs out.
bool WaitUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > SAFETY_NET_MS) return false;
        Sleep(10);
    }
    return true;
}

namespace {

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

}  // namespace

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

static int g_launches = 0;

// The program on this DLL folder, tracing to a file of its own unless told
// which.
Panel Launch(const std::wstring& dllFolder, const std::wstring& arguments, const std::string& trace) {
    Panel p;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%lsktrace-%lu-%d.txt", temp, GetCurrentProcessId(), ++g_launches);
    if (!trace.empty()) snprintf(path, sizeof path, "%s", trace.c_str());
    p.tracePath = path;
    DeleteFileA(path);
    wchar_t wide[MAX_PATH];  // the path is UTF-8, whatever the code page
    MultiByteToWideChar(CP_UTF8, 0, path, -1, wide, MAX_PATH);
    SetEnvironmentVariableW(L"KALDERON_PORT_TRACE", wide);
    // As Explorer or a shortcut starts it: no standard handles and no
    // console to attach to (the driver has given its own up), so that what
    // the program has to say comes in a box.
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    // The DLL is found in the current folder, as the operator's copy would be
    // found beside the program.
    if (!StartProgram(L"\"" + g_exe + L"\" " + arguments, dllFolder.c_str(), startup, &p.process))
        ADD_FAILURE() << "cannot start the panel: " << GetLastError();
    return p;
}

// Wine now and then refuses a start just after another program ended
// (ERROR_INTERNAL_ERROR); a second try starts it.
bool StartProgram(std::wstring command, const wchar_t* folder, STARTUPINFOW& startup, PROCESS_INFORMATION* process) {
    const BOOL inherit = (startup.dwFlags & STARTF_USESTDHANDLES) != 0;
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, inherit, 0, nullptr, folder, &startup, process))
            return true;
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3) return false;
    }
}

Panel Open(const std::wstring& dllFolder, const std::wstring& arguments) {
    Panel p = Launch(dllFolder, arguments);
    WaitForInputIdle(p.process.hProcess, SAFETY_NET_MS);
    p.dialog = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    if (p.dialog == nullptr || TextOf(p.dialog) != PANEL_CAPTION) ADD_FAILURE() << "the panel did not open";
    // As an operator would, until the panel has the focus: a loaded machine
    // shows the window a moment before Wine gives it the focus.
    else if (!WaitUntil([&] { return Focus(p) != nullptr; })) ADD_FAILURE() << "the panel never had the focus";
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

static BOOL CALLBACK CollectStaticText(HWND w, LPARAM param) {
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

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

std::string Utf8(const std::wstring& text) {
    char bytes[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    return bytes;
}

// A refusal before the panel: an error box (not the panel) saying all of
// `says`; OK ends the program with code 1, and no port was touched.
void ExpectRefusal(Panel& p, const std::vector<std::wstring>& says, int status) {
    HWND box = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(TextOf(box), PANEL_CAPTION);
    for (const std::wstring& said : says)
        EXPECT_NE(BoxText(box).find(said), std::wstring::npos) << "a text the box lacks: " << Utf8(said);
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(WaitForExit(p), status);
    EXPECT_TRUE(Trace(p).empty()) << "a port was touched before the refusal";
}

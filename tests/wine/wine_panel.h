// Driving the real kalderon-test.exe from outside, as an operator would: the
// dialog is found by class and caption, controls are read with the ordinary
// Win32 calls and clicked with posted BM_CLICK (a sent one would block inside
// a modal box), message boxes are found on the panel's thread, read and
// dismissed. The panel runs on a simulated board, whose port trace is the
// record of what went to the port.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Set by the driver's main from its arguments, as Windows paths.
extern std::wstring g_exe;            // kalderon-test.exe
extern std::wstring g_simFolder;      // the simulated board's inpout32.dll
extern std::wstring g_closedFolder;   // an inpout32.dll whose driver is not open
extern std::wstring g_outFolder;      // traces and the screenshot
extern std::wstring g_standInFolder;  // the simulated board as a real port library would be
extern std::wstring g_registryFolder; // .reg files of the parallel ports a PC lists

// Every wait is for something the test expects to see; this bound is only a
// safety net against a hang, far beyond what a slow emulated machine takes.
constexpr DWORD SAFETY_NET_MS = 180000;
const wchar_t* const PANEL_CAPTION = L"KALDERON TEST";
const wchar_t* const DIALOG_CLASS = L"#32770";

struct Panel {
    PROCESS_INFORMATION process = {};
    HWND dialog = nullptr;
    std::string tracePath;
};

std::wstring ClassOf(HWND w);
std::wstring TextOf(HWND w);
std::u16string U16(const std::wstring& s);
std::string Utf8(const std::wstring& text);

// Polls until `done` holds, or the safety net runs out.
bool WaitUntil(const std::function<bool()>& done);
// A dialog-class window of the process (of one thread of it, if given),
// other than `exclude`: shown or not yet, or (WaitForDialog) once shown.
HWND FindDialog(DWORD pid, HWND exclude, DWORD threadId, bool visibleOnly);
HWND WaitForDialog(DWORD pid, HWND exclude, DWORD threadId);

// CreateProcessW, tried again where Wine refuses a start for no reason of
// the program's; handles are inherited where startup gives them.
bool StartProgram(std::wstring command, const wchar_t* folder, STARTUPINFOW& startup, PROCESS_INFORMATION* process);

// The program on this DLL folder, tracing to a file of its own unless told
// which; Open also waits for the panel.
Panel Launch(const std::wstring& dllFolder, const std::wstring& arguments = L"", const std::string& trace = "");
Panel Open(const std::wstring& dllFolder = g_simFolder, const std::wstring& arguments = L"");

HWND Item(const Panel& p, int id);
// Waits until the panel's thread has handled everything posted to it before.
void Settle(const Panel& p);
void Click(const Panel& p, int id);
void Key(const Panel& p, WPARAM key);
bool Checked(const Panel& p, int id);
HWND Focus(const Panel& p);
// The box a settled panel shows, if any, once shown; its static texts; OK.
HWND BoxOf(const Panel& p);
std::wstring BoxText(HWND box);
void Dismiss(HWND box);
std::vector<std::string> Trace(const Panel& p);
// The exit code, once the program has ended (-1 and a failure if it does not).
int WaitForExit(Panel& p);

// A refusal before the panel: an error box (not the panel) saying all of
// `says`; OK ends the program with code 1 (the board cannot be reached) or
// 2 (a usage error), and no port was touched.
void ExpectRefusal(Panel& p, const std::vector<std::wstring>& says, int status = 1);

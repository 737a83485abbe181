// Finding the port: the program asks a stand-in port library, which answers
// on whatever base it is given, so its trace shows which port the program
// chose among those the prefix's registry lists (registry/*.reg).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "panel_ids.h"
#include "wine_panel.h"

namespace {

// Runs a program of the prefix's and waits for it.
void RunAndWait(std::wstring command) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(StartProgram(command, nullptr, startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, SAFETY_NET_MS), WAIT_OBJECT_0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

// The machine's parallel ports become exactly these (.reg files), as
// regedit imports them: the files joined into one, so that regedit starts
// once (a start takes seconds where Wine runs emulated).
void ListPorts(const std::vector<const wchar_t*>& devices) {
    std::string joined;
    for (const wchar_t* file : devices) {
        std::ifstream reg((g_registryFolder + L"\\" + file).c_str(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(reg)), {});
        joined += text.substr(text.find('\n') + 1);  // after its header
    }
    std::ifstream none((g_registryFolder + L"\\no-ports.reg").c_str(), std::ios::binary);
    const std::wstring path = g_outFolder + L"\\ports.reg";
    std::ofstream(path.c_str(), std::ios::binary) << std::string((std::istreambuf_iterator<char>(none)), {}) << joined;
    RunAndWait(L"regedit /S \"" + path + L"\"");
}

const wchar_t* const ONBOARD_LPT1 = L"onboard-lpt1.reg";  // 0378-037F, then 0778-077F
const wchar_t* const PCIE_LPT3 = L"pcie-lpt3.reg";        // D010-D017, then D000-D007

struct PortCase {
    const char* name;
    std::vector<const wchar_t*> devices;
    std::wstring arguments;
    std::string data, control;  // where a Write lands; none: refused
    std::vector<std::wstring> boxSays;
    int status = 1;  // of a refusal
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
        {"a character beyond 16 bits", {}, L"--port \U0001D11E", "", "", {L"«\U0001D11E»"}},
        {"a usage error", {}, L"/port LPT1", "", "", {L"Лишнее слово «/port».", L"Запуск: kalderon-test.exe"}, 2},
    };
    for (const PortCase& c : cases) {
        SCOPED_TRACE(c.name);
        ListPorts(c.devices);
        Panel p = Launch(g_standInFolder, c.arguments);
        if (c.data.empty()) {
            ExpectRefusal(p, c.boxSays, c.status);
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

// A port Windows lists where nothing answers (the stand-in plays one): the
// check, started as from Explorer, says so in a box, naming the address and
// the other ports, and writes no board register.
TEST(PortChoice, ACheckNamesAPortWhereNothingAnswersAndTheOthers) {
    ListPorts({ONBOARD_LPT1, PCIE_LPT3});
    SetEnvironmentVariableA("KALDERON_SIM_BOARD", "no-port");
    Panel p = Launch(g_standInFolder, L"--check --port LPT3");
    SetEnvironmentVariableA("KALDERON_SIM_BOARD", nullptr);
    HWND box = WaitForDialog(p.process.dwProcessId, nullptr, 0);
    for (const wchar_t* said : {L"Порт LPT3 (D010) не отвечает", L"Другие порты: --port LPT1 (0378).",
                                L"Итог: LPT3 (D010): ничего не отвечает."})
        EXPECT_NE(BoxText(box).find(said), std::wstring::npos) << Utf8(said);
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(WaitForExit(p), 1);
    for (const std::string& line : Trace(p))
        EXPECT_FALSE(line.rfind("W D012 ", 0) == 0 && std::stoi(line.substr(7), nullptr, 16) % 2 != 0) << line;
    ListPorts({});
}

// A laptop with no parallel port is where the simulated board is tried: it
// looks nothing up and refuses nothing (a --port beside it is a usage
// error, as on Linux: panel_e2e.cpp).
TEST(PortChoice, TheSimulatedBoardNeedsNoPort) {
    ListPorts({});
    Panel p = Open(g_simFolder, L"");
    ASSERT_NE(p.dialog, nullptr);
    Click(p, IDC_WRITE);
    EXPECT_EQ(Trace(p).front(), "W 378 00");
    PostMessageW(p.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

}  // namespace

// Board scripts: what the reader takes and refuses, line for line; then the
// simulated board's program running scripts, its trace against what the
// link must put on the port (expected_traffic.h) and its exit statuses.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board_script.h"
#include "expected_traffic.h"

namespace {

BoardScript g_script;

struct ReadCase {
    std::string text;
    const char* error;  // empty: read; the steps then as "op code byte compare number line other" (Shown)
    std::vector<std::string> steps;
    bool terminal = true;  // one to wait for Enter on
};

// "op code byte compare number line other": number is the step's one
// number (times, milliseconds, on, or the band's least), other its
// partner's index or the band's most.
std::string Shown(const ScriptStep& s) {
    std::ostringstream out;
    out << int(s.op) << ' ' << int(s.code) << ' ' << int(s.byte) << ' ' << s.compare << ' '
        << (s.times + s.milliseconds + s.on + s.least) << ' ' << s.line << ' ' << (s.partner + s.most);
    return out.str();
}

// Ops: 0 write, 1 read, 2 reset, 3 step, 4 timer, 5 steps, 6 repeat, 7 end, 8 wait.
TEST(BoardScriptReader, EveryFormOfEachOperationAndEveryErrorWithItsLine) {
    const ReadCase cases[] = {
        {"write data 0x5A\nWRITE Control 0b01011010\nwrite low 90\nwrite high 255", "",
         {"0 0 90 0 0 1 0", "0 2 90 0 0 2 0", "0 4 90 0 0 3 0", "0 6 255 0 0 4 0"}},
        {"# a board check\n\nread\nread = 0x5a  # the pattern\nread=0", "", {"1 0 0 0 0 3 0", "1 0 90 1 0 4 0",
                                                                          "1 0 0 1 0 5 0"}},
        {"reset\nstep\nstep 256\ntimer\nsteps on\nsteps OFF\nwait 0\nwait 250", "",
         {"2 0 0 0 0 1 0", "3 0 0 0 1 2 0", "3 0 0 0 256 3 0", "4 0 0 0 0 4 0", "5 0 0 0 1 5 0", "5 0 0 0 0 6 0",
          "8 0 0 0 0 7 0", "8 0 0 0 250 8 0"}},
        {"timer = 4000..6000\nTIMER=5000\ntimer = 0..99999\ntimer = 00010..20", "",
         {"4 0 0 1 4000 1 6000", "4 0 0 1 5000 2 5000", "4 0 0 1 0 3 99999", "4 0 0 1 10 4 20"}},
        {"repeat 2\n repeat 3\n  reset\n end\nend", "",
         {"6 0 0 0 2 1 4", "6 0 0 0 3 2 3", "2 0 0 0 0 3 0", "7 0 0 0 0 4 1", "7 0 0 0 0 5 0"}},
        {"reset\nwrte data 1", "s:2: unknown operation \"wrte\"", {}},
        {"write address 1", "s:1: \"address\" is not a register (data, control, low or high)", {}},
        {"write data 256", "s:1: \"256\" is not a byte (0 to 255, 0x00 to 0xFF, or 0b and eight bits)", {}},
        {"write data 0x1FF", "s:1: \"0x1ff\" is not a byte (0 to 255, 0x00 to 0xFF, or 0b and eight bits)", {}},
        {"write data 0b", "s:1: \"0b\" is not a byte (0 to 255, 0x00 to 0xFF, or 0b and eight bits)", {}},
        {"write data", "s:1: write needs a register and a byte: write data 0x5A", {}},
        {"write data 1 2", "s:1: unexpected word \"2\"", {}},
        {"read 5", "s:1: unexpected word \"5\": read = BYTE", {}},
        {"read =", "s:1: read = needs a byte", {}},
        {"step 0", "s:1: \"0\" is not a count (1 or more)", {}},
        {"repeat\nend", "s:1: repeat needs a count", {}},
        {"wait -1", "s:1: \"-1\" is not a number of milliseconds", {}},
        {"steps maybe", "s:1: steps needs on or off", {}},
        {"steps on", "s:1: steps on needs a terminal to wait for Enter on", {}, false},
        {"reset\nend", "s:2: end without repeat", {}},
        {"timer = 20..10", "s:1: \"20..10\": the least count comes first", {}},
        {"timer = 100000", "s:1: \"100000\" is not a count or a band (0 to 99999): timer = 5000, or "
                           "timer = 4000..6000", {}},
        {"timer = 0x10", "s:1: \"0x10\" is not a count or a band (0 to 99999): timer = 5000, or "
                         "timer = 4000..6000", {}},
        {"timer = 10..", "s:1: \"10..\" is not a count or a band (0 to 99999): timer = 5000, or "
                         "timer = 4000..6000", {}},
        {"timer = 0..100000", "s:1: \"0..100000\" is not a count or a band (0 to 99999): timer = 5000, or "
                              "timer = 4000..6000", {}},
        {"timer = 1..2..3", "s:1: \"1..2..3\" is not a count or a band (0 to 99999): timer = 5000, or "
                            "timer = 4000..6000", {}},
        {"timer =", "s:1: timer = needs a count or a band", {}},
        {"timer 5000", "s:1: unexpected word \"5000\": timer = MIN..MAX", {}},
        {"repeat 2\nrepeat 3\nend\nreset", "s:1: repeat without end", {}},
        // A word is read whole or refused, never cut; Notepad's UTF-8 mark is no word.
        {"write data 0x" + std::string(59, '0') + "5a", "", {"0 0 90 0 0 1 0"}},
        {"reset\nwrite data 0x" + std::string(62, '0') + "5A", "s:2: a word is longer than 63 bytes", {}},
        {"wait " + std::string(70, '0') + "1000", "s:1: a word is longer than 63 bytes", {}},
        {"read = " + std::string(70, '0') + "90", "s:1: a word is longer than 63 bytes", {}},
        {"timer = " + std::string(59, '0') + "4000..6000", "s:1: a word is longer than 63 bytes", {}},
        {"\xEF\xBB\xBFreset\nstep", "", {"2 0 0 0 0 1 0", "3 0 0 0 1 2 0"}},
    };
    for (const ReadCase& c : cases) {
        char error[SCRIPT_ERROR_MAX] = "";
        const bool read = ReadBoardScript(c.text.c_str(), "s", c.terminal, &g_script, error);
        EXPECT_STREQ(error, c.error) << c.text;
        if (!read) continue;
        std::vector<std::string> steps;
        for (uint32_t i = 0; i < g_script.count; ++i) steps.push_back(Shown(g_script.steps[i]));
        EXPECT_EQ(steps, c.steps) << c.text;
    }
}

// --- The program ---------------------------------------------------------------

struct ScriptRun {
    int status;
    std::string output;
    std::vector<std::string> trace;
    double seconds;
};

// The runs' files, in a folder of this process's own, made under the
// temporary folder on first use and removed with them when the process ends:
// a fixed name there is shared with another user's or another clone's run at
// the same time, and a file one leaves may be one the next cannot write over.
const std::string& RunFolder() {
    struct Folder {
        std::string path = testing::TempDir() + "board_script_test-XXXXXX";
        Folder() {
            if (mkdtemp(path.data()) == nullptr) {
                fprintf(stderr, "cannot make a folder like %s: %s\n", path.c_str(), strerror(errno));
                std::abort();
            }
            path += '/';
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

// The simulated board's program with these arguments; SCRIPT in them is a
// file holding script, which with stdin goes to standard input instead;
// environment may set variables of its own (the trace's among them).
ScriptRun RunSim(std::string arguments, const std::string& script, bool stdin = false,
                 const std::string& environment = "") {
    const std::string& folder = RunFolder();
    const std::string scriptPath = folder + "script.txt", tracePath = folder + "script-trace.txt",
                      outputPath = folder + "script-output.txt";
    std::ofstream(scriptPath) << script;
    remove(tracePath.c_str());
    // Quoted for the shell: a checkout's or a temporary folder's path may hold a space.
    auto quoted = [](const std::string& path) { return "'" + path + "'"; };
    const size_t at = arguments.find("SCRIPT");
    if (at != std::string::npos) arguments.replace(at, 6, quoted(scriptPath));
    // No display, unless the case gives one: a box it opened would hold the
    // run until the timeout. The arguments last, where a redirection of the
    // case's own comes after the output's.
    const std::string command = "timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY KALDERON_PORT_TRACE=" +
                                quoted(tracePath) + " " + environment + " " + quoted(SIM_PROGRAM) + " >" +
                                quoted(outputPath) + " 2>&1 <" + quoted(stdin ? scriptPath : "/dev/null") + " " +
                                arguments;
    ScriptRun run;
    const auto start = std::chrono::steady_clock::now();
    const int status = system(command.c_str());
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream output(outputPath);
    run.output.assign(std::istreambuf_iterator<char>(output), {});
    std::ifstream trace(tracePath);
    for (std::string line; std::getline(trace, line);) run.trace.push_back(line);
    return run;
}

ScriptRun RunScript(const std::string& script) { return RunSim("--run SCRIPT", script); }

// The panel's operations from a script: the same accesses as the panel's
// buttons; a read that finds another byte ends with 1 after its line; a
// script error with 2 and no access at all.
TEST(BoardScriptRun, PutsOnThePortWhatThePanelWouldAndSaysHowItWent) {
    PortTrace board = WriteCycles(RESET_WRITES);
    const PortTrace check = WriteCycles({{REG_CONTROL, 0x00}, {REG_ADDR_LOW, 0x5A}});
    board.insert(board.end(), check.begin(), check.end());
    std::vector<std::string> expected = TraceLines(board);
    // The chip then presents 0x5A: low nibble, then high.
    const std::vector<std::string> read = TraceLines(ReadBackAccesses(0xA7, 0x57));

    ScriptRun run = RunScript("reset\nwrite control 0x00\nwrite low 0x5A\nread = 0x5A\n");
    expected.insert(expected.end(), read.begin(), read.end());
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              "read 0x5A\n" + RunFolder() + "script.txt: 1 read and 0 timers as expected on the simulated board\n");
    EXPECT_EQ(run.trace, expected);

    run = RunScript("reset\nwrite control 0x00\nwrite low 0x5A\nread = 0x5B\nreset\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("read 0x5A\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("script.txt:4: expected 0x5B, read 0x5A"), std::string::npos) << run.output;
    EXPECT_EQ(run.trace, expected) << "the run ends after the failed comparison";

    run = RunScript("reset\nwrite data 0x100\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("script.txt:2: \"0x100\" is not a byte"), std::string::npos) << run.output;
    EXPECT_TRUE(run.trace.empty()) << "a port was touched before the script was checked";
}

struct RunCase {
    const char* name;
    std::string arguments, script;
    bool stdin;
    int status;
    std::string says;  // somewhere in the output
    std::vector<std::string> trace;
    double seconds;  // at least
    std::string environment = "";
};

std::vector<std::string> Reset() { return TraceLines(WriteCycles(RESET_WRITES)); }

std::vector<std::string> ResetAndSteps(int steps) {
    std::vector<RegisterWrite> writes = RESET_WRITES;
    for (int i = 1; i <= steps; ++i) writes.push_back({REG_ADDR_LOW, uint8_t(i)});
    return TraceLines(WriteCycles(writes));
}

TEST(BoardScriptRun, EachOperationAndWayInAsTheReaderPromises) {
    const RunCase cases[] = {
        {"repeats nest, step takes a count", "--run SCRIPT", "reset\nrepeat 2\n repeat 3\n  step 2\n end\nend\n",
         false, 0, "", ResetAndSteps(12), 0},
        {"wait pauses between operations", "--run SCRIPT", "reset\nwait 300\n", false, 0, "", Reset(), 0.3},
        {"--run - reads standard input", "--run -", "reset\nread\n", true, 0, "read 0xFF\n", {}, 0},
        {"timer prints its count", "--run SCRIPT", "timer\n", false, 0, "timer 5000\n", {}, 0},
        {"a timer in its band", "--run SCRIPT", "timer = 4000..6000\n", false, 0,
         "timer 5000\n" + RunFolder() + "script.txt: 0 reads and 1 timer as expected on the simulated board\n", {}, 0},
        {"a timer out of its band", "--run SCRIPT", "timer = 10..20\nreset\n", false, 1,
         "timer 5000\n" + RunFolder() + "script.txt:1: expected 10..20, timer 5000\n", {}, 0},
        {"a band's ends are in it", "--run SCRIPT", "timer = 5000\ntimer = 4000..5000\ntimer = 5000..6000\n", false, 0,
         "script.txt: 0 reads and 3 timers as expected on the simulated board\n", {}, 0},
        {"each pass of a repeat's checks counts, a bare read none", "--run SCRIPT",
         "repeat 3\nread = 0x00\nend\nread\n", false, 0,
         "script.txt: 3 reads and 0 timers as expected on the simulated board\n", {}, 0},
        {"a script over the limit", "--run SCRIPT", std::string(SCRIPT_BYTES_MAX + 1, '#'), false, 2,
         "cannot read the script " + RunFolder() + "script.txt: it is over a megabyte long", {}, 0},
        {"a usage error before the script is read", "--port x --run missing.txt", "", false, 2,
         "kalderon-test-sim: \"--port\": the simulated board needs no port", {}, 0},
        {"the simulated board's trouble in its own name", "--run SCRIPT", "reset\n", false, 1,
         "kalderon-test-sim: cannot write the port trace /nonexistent/t.vcd: No such file or directory", {}, 0,
         "KALDERON_PORT_TRACE=/nonexistent/t.vcd"},
        // A display and no terminal, standard error in a file: a script
        // still answers there, with no box to wait on.
        {"a script's trouble never waits in a box", "--run SCRIPT", "reset\n", false, 1,
         "cannot write the port trace /nonexistent/t.txt", {}, 0,
         "QT_QPA_PLATFORM=offscreen KALDERON_PORT_TRACE=/nonexistent/t.txt"},
        {"the help never waits in a box either", "--help", "", false, 0, "Usage: kalderon-test-sim", {}, 0,
         "QT_QPA_PLATFORM=offscreen setsid -w"},
        {"Notepad's \"Unicode\" named", "--run SCRIPT", std::string("\xFF\xFEr\0e\0s\0e\0t\0", 12), false, 2,
         "script.txt is not a script: it is UTF-16 (Notepad's \"Unicode\"); save it as UTF-8 or ANSI", {}, 0},
        {"output that reached no one fails the run", "--run SCRIPT >/dev/full", "read\n", false, 1,
         "kalderon-test-sim: cannot write to standard output: No space left on device", {}, 0},
        {"Ctrl+C ends a wait at once", "--run SCRIPT", "wait 100000\n", false, 130, "stopped", {}, 0.5,
         "timeout --preserve-status -s INT 0.5"},
        // Each of a check's verdicts, as the simulated board plays them.
        {"a check finds the board", "--check", "", false, 0,
         "Board: answered: its timer ran for 5000 status reads, \n  ", {}, 0},
        {"a check finds a port with no board", "--check", "", false, 1,
         "Verdict: the simulated board: the port answers, no board does.\n", {}, 0, "KALDERON_SIM_BOARD=no-board"},
        {"a check finds no port", "--check", "", false, 1, "Verdict: the simulated board: nothing answers.\n", {}, 0,
         "KALDERON_SIM_BOARD=no-port"},
        {"a board the simulated board cannot play", "--check", "", false, 1, "KALDERON_SIM_BOARD is \"none\"", {}, 0,
         "KALDERON_SIM_BOARD=none"},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScriptRun run = RunSim(c.arguments, c.script, c.stdin, c.environment);
        EXPECT_EQ(run.status, c.status) << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
        if (!c.trace.empty()) {
            EXPECT_EQ(run.trace, c.trace);
        }
        EXPECT_GE(run.seconds, c.seconds);
        for (const std::string& line : run.trace)  // a check writes no board register: never the strobe
            EXPECT_FALSE(c.arguments == "--check" && line.rfind("W 37A ", 0) == 0 && stoi(line.substr(6), 0, 16) % 2);
    }
}

}  // namespace

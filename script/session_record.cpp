#include "session_record.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "board_script.h"
#include "console.h"
#include "run_end.h"
#include "text.h"

static FILE* g_record;
static const char* g_path;
// The step mode the lines so far leave a replay in. Not known at a session's
// head: the file may hold a session before it that ended in step mode, so
// each session's first command says its own.
enum class Steps { Off, On, Unknown };
static Steps g_steps;

// A line that cannot be written would leave a recording that replays
// something else than the session.
static void Line(const char* line) {
    if (fputs(line, g_record) < 0 || fputs("\n", g_record) < 0 || fflush(g_record) != 0) {
        static Trouble said;
        SayFileTrouble(&said, RecordFile::Session, g_path, errno, false);
        EndWithTrouble(said.english, said.russian);
    }
}

bool StartRecording(const char* path, Trouble* trouble) {
    g_path = path;
    g_record = OpenUtf8(path, "ab");
    if (g_record == nullptr) {
        SayFileTrouble(trouble, RecordFile::Session, path, errno, true);
        return false;
    }
    return true;
}

void RecordHead(const char* program, const char* port) {
    char when[32] = "";
    const time_t now = time(nullptr);
    strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S UTC", gmtime(&now));
    char head[PATH_BYTES_MAX + 128];  // the port may be a device's path
    head[0] = '\0';
    Add(head, "# ", program, ": a panel session recorded ", when, " on ", port);
    Line(head);
    g_steps = Steps::Unknown;
}

// Each of the panel's commands is the script's operation of the same name.
static_assert(int(ScriptOp::Write) == int(BoardCommand::Write) && int(ScriptOp::Read) == int(BoardCommand::Read) &&
                  int(ScriptOp::Reset) == int(BoardCommand::Reset) && int(ScriptOp::Step) == int(BoardCommand::Step) &&
                  int(ScriptOp::Timer) == int(BoardCommand::Timer),
              "a board command and its script operation share a value");

// The band a recorded timer press checks the next board's count against: a
// quarter of the count either side, and at least 2. The same board measured
// twice on one PC is expected to stay in it, a read here and there slowed by
// the system; a timer that never starts (0) or never stops (TIMER_COUNT_MAX)
// falls out of the band around any count a working board gives (1 to
// TIMER_COUNT_MAX - 1, which the band keeps to). Such a count itself is
// recorded as it was.
struct TimerBand {
    uint32_t least, most;
};
static TimerBand TimerBandAround(uint32_t count) {
    if (count == 0 || count >= TIMER_COUNT_MAX) return {count, count};
    const uint32_t slack = count / 4 > 2 ? count / 4 : 2;
    return {count > slack ? count - slack : 1, count + slack < TIMER_COUNT_MAX ? count + slack : TIMER_COUNT_MAX - 1};
}

void RecordCommand(BoardCommand command, RegisterCode code, uint32_t value, uint32_t stepMode) {
    const Steps steps = stepMode != 0 ? Steps::On : Steps::Off;
    // A replay pauses where the session did: the mode's line comes first
    // where it changed, and both reach the file together.
    char line[48];
    line[0] = '\0';
    if (steps != g_steps) Add(line, OperationWord(ScriptOp::Steps), steps == Steps::On ? " on\n" : " off\n");
    g_steps = steps;
    Add(line, OperationWord(ScriptOp(command)));
    switch (command) {
    case BoardCommand::Write:
        Add(line, " ", RegisterWord(code), " 0x");
        AppendHex(line, sizeof line, value, 2);
        break;
    case BoardCommand::Read:
        Add(line, " = 0x");
        AppendHex(line, sizeof line, value, 2);
        break;
    case BoardCommand::Timer: {
        const TimerBand band = TimerBandAround(value);
        Add(line, " = ");
        AddCounts(line, sizeof line, band.least, band.most);
        break;
    }
    default:  // reset, step: the word alone
        break;
    }
    Line(line);
}

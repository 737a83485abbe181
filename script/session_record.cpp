#include "session_record.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <initializer_list>

#include "board_script.h"
#include "console.h"
#include "run_end.h"
#include "text.h"

static FILE* g_record;
static const char* g_path;
static bool g_heldLines;  // the file held a session before this one
// The step mode the lines so far leave a replay in: off at a script's start,
// not known after another session's lines.
enum class Steps { Off, On, Unknown };
static Steps g_steps;

// A line that cannot be written would leave a recording that replays
// something else than the session.
static void Line(std::initializer_list<const char*> pieces) {
    bool written = true;
    for (const char* piece : pieces) written = written && fputs(piece, g_record) >= 0;
    if (!written || fputs("\n", g_record) < 0 || fflush(g_record) != 0) {
        const Trouble said = FileTrouble(RecordFile::Session, g_path, errno, false);
        EndWithTrouble(said.english, said.russian);
    }
}

bool StartRecording(const char* path, Trouble* trouble) {
    g_path = path;
    g_record = OpenUtf8(path, "ab");
    if (g_record == nullptr) {
        *trouble = FileTrouble(RecordFile::Session, path, errno, true);
        return false;
    }
    g_heldLines = fseek(g_record, 0, SEEK_END) == 0 && ftell(g_record) > 0;
    return true;
}

void RecordHead(const char* program, const char* port) {
    char when[32] = "";
    const time_t now = time(nullptr);
    strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S UTC", gmtime(&now));
    Line({"# ", program, ": a panel session recorded ", when, " on ", port});
    g_steps = g_heldLines ? Steps::Unknown : Steps::Off;
}

// The script's operation for each of the panel's commands.
static ScriptOp OperationOf(BoardCommand command) {
    switch (command) {
    case BoardCommand::Write:
        return ScriptOp::Write;
    case BoardCommand::Read:
        return ScriptOp::Read;
    case BoardCommand::Reset:
        return ScriptOp::Reset;
    case BoardCommand::Step:
        return ScriptOp::Step;
    case BoardCommand::Timer:
        break;
    }
    return ScriptOp::Timer;
}

void RecordCommand(BoardCommand command, RegisterCode code, uint8_t byte, uint32_t stepMode) {
    const Steps steps = stepMode != 0 ? Steps::On : Steps::Off;
    if (steps != g_steps) {
        Line({OperationWord(ScriptOp::Steps), steps == Steps::On ? " on" : " off"});
        g_steps = steps;
    }
    char hex[8] = "0x";
    AppendHex(hex, sizeof hex, byte, 2);
    const bool write = command == BoardCommand::Write, read = command == BoardCommand::Read;
    Line({OperationWord(OperationOf(command)), write ? " " : "", write ? RegisterWord(code) : "", write ? " " : "",
          read ? " = " : "", write || read ? hex : ""});
}

#include "session_record.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <initializer_list>

#include "console.h"
#include "port_refusal.h"
#include "text.h"

static FILE* g_record;
static const char* g_path;
static uint32_t g_steps;  // the step mode the lines so far leave a replay in: off at its start

// A line that cannot be written would leave a recording that replays
// something else than the session: refused as at the start.
static void Refuse(bool atStart) { RefusePort(FileRefusal(RecordFile::Session, g_path, errno, atStart)); }

// One line, of these pieces, on file.
static void Line(std::initializer_list<const char*> pieces) {
    for (const char* piece : pieces)
        if (fputs(piece, g_record) < 0) Refuse(false);
    if (fputs("\n", g_record) < 0 || fflush(g_record) != 0) Refuse(false);
}

void StartRecording(const char* path) {
    g_path = path;
    g_record = OpenUtf8(path, "ab");
    if (g_record == nullptr) Refuse(true);
}

void RecordHead(const char* program, const char* port) {
    char when[32] = "";
    const time_t now = time(nullptr);
    strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S UTC", gmtime(&now));
    Line({"# ", program, ": a panel session recorded ", when, " on ", port});
    g_steps = 0;
}

void RecordCommand(ScriptOp op, RegisterCode code, uint8_t byte, uint32_t stepMode) {
    static const char* const WORDS[] = {"write ", "read = ", "reset", "step", "timer"};  // by ScriptOp
    if (op > ScriptOp::Timer) return;  // the panel has no other
    if ((stepMode != 0) != (g_steps != 0)) {
        Line({stepMode != 0 ? "steps on" : "steps off"});
        g_steps = stepMode;
    }
    char hex[8] = "0x";
    AppendHex(hex, sizeof hex, byte, 2);
    const bool write = op == ScriptOp::Write, read = op == ScriptOp::Read;
    Line({WORDS[int(op)], write ? RegisterWord(code) : "", write ? " " : "", write || read ? hex : ""});
}

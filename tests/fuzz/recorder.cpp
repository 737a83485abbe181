// A session recorded as the panel records it (each command: four bytes of
// the input), read back by the script reader: the same operations, in the
// same step mode.
#include <cstring>
#include <unistd.h>

#include "board_script.h"
#include "hold.h"
#include "session_record.h"

// Where a line cannot be written the programs end; the fuzzer reports it.
void EndWithTrouble(const char* english, const char*) {
    Hold(false, english);
    abort();
}

struct Command {
    BoardCommand command;
    RegisterCode code;  // 0, 2, 4, 6: each register
    uint32_t value;     // a byte, or a count the timer can give
    uint32_t stepMode;
};
static Command CommandAt(const uint8_t* at) {
    const uint32_t value = uint32_t(at[1] << 16 | at[2] << 8 | at[3]) % (TIMER_COUNT_MAX + 1);
    const BoardCommand command = BoardCommand(at[0] % 5);
    return {command, RegisterCode(at[0] >> 3 & 6), command == BoardCommand::Timer ? value : value & 0xFF, uint32_t(at[0] >> 7)};
}

static char g_path[PATH_BYTES_MAX + 1];
static char g_text[SCRIPT_BYTES_MAX + 1];
static BoardScript g_script;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Add(g_path, getenv("TMPDIR") != nullptr ? getenv("TMPDIR") : "/tmp", "/recorder.XXXXXX");
    Trouble trouble;
    Hold(mkdtemp(g_path) != nullptr && (Add(g_path, "/session.txt"), StartRecording(g_path, &trouble)), g_path);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size = (size < SCRIPT_STEPS_MAX * 2 ? size : SCRIPT_STEPS_MAX * 2) / 4 * 4;  // a steps line before each at most
    Hold(truncate(g_path, 0) == 0, "the record emptied");
    RecordHead("fuzz", "/dev/parport0");
    for (size_t at = 0; at < size; at += 4) {
        const Command c = CommandAt(data + at);
        RecordCommand(c.command, c.code, c.value, c.stepMode);
    }
    FILE* file = fopen(g_path, "rb");
    g_text[fread(g_text, 1, SCRIPT_BYTES_MAX, file)] = '\0';
    fclose(file);
    char error[SCRIPT_ERROR_MAX] = "";
    Hold(ReadBoardScript(g_text, g_path, true, &g_script, error), error);
    uint32_t mode = 2, at = 0;  // no step mode until a steps line says it
    for (uint32_t i = 0; i < g_script.count; ++i) {
        const ScriptStep& s = g_script.steps[i];
        if (s.op == ScriptOp::Steps) mode = s.count;
        if (s.op == ScriptOp::Steps) continue;
        Hold(at < size, "no operation more");
        const Command c = CommandAt(data + at);
        at += 4;
        const bool band = s.compare && s.count <= c.value && c.value <= s.other;
        Hold(s.op == ScriptOp(c.command) && mode == c.stepMode &&
                 (c.command == BoardCommand::Write ? s.code == c.code && s.byte == c.value
                  : c.command == BoardCommand::Read ? s.compare && s.byte == c.value
                  : c.command != BoardCommand::Timer || band),
             "the same operation, in the same step mode");
    }
    Hold(at == size, "no operation lost");
    return 0;
}

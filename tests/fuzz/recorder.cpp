// A session recorded as the panel records it (four input bytes a command:
// what, the register and the step mode; the value), read back by the
// script reader: the same operations, in the same step mode.
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cstdio>

#include "board_script.h"
#include "session_record.h"

// Where a line cannot be written the programs end: here, as a finding.
void EndWithTrouble(const char* english, const char*) { fputs(english, stderr), abort(); }

// A command's value: a byte, or a count the timer can give.
static uint32_t Value(const uint8_t* at) {
    const uint32_t count = uint32_t(at[1] << 16 | at[2] << 8 | at[3]) % (TIMER_COUNT_MAX + 1);
    return at[0] % 5 == int(BoardCommand::Timer) ? count : at[3];
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static char path[PATH_BYTES_MAX + 1], text[SCRIPT_BYTES_MAX + 1], error[SCRIPT_ERROR_MAX];
    static BoardScript script;
    static Trouble trouble;
    if (path[0] == '\0') {  // the run's one file, kept open as the panel keeps it
        Add(path, getenv("TMPDIR") != nullptr ? getenv("TMPDIR") : "/tmp", "/recorder.XXXXXX");
        if (mkdtemp(path) == nullptr || (Add(path, "/session.txt"), !StartRecording(path, &trouble))) abort();
    }
    const uint8_t* const end = data + 4 * std::min<size_t>(size / 4, SCRIPT_STEPS_MAX / 2);  // a steps line each at most
    if (truncate(path, 0) != 0) abort();
    RecordHead("fuzz", "/dev/parport0");
    for (const uint8_t* at = data; at < end; at += 4)
        RecordCommand(BoardCommand(at[0] % 5), RegisterCode(at[0] >> 3 & 6), Value(at), at[0] >> 7);
    FILE* file = fopen(path, "rb");
    text[fread(text, 1, SCRIPT_BYTES_MAX, file)] = '\0';
    fclose(file);
    const bool read = ReadBoardScript(text, path, true, &script, error);
    assert(read);
    uint32_t mode = 2;  // none until a steps line says it
    const uint8_t* at = data;
    for (const ScriptStep* s = script.steps; s < script.steps + script.count; ++s) {
        if (s->op == ScriptOp::Steps) {
            mode = s->count;
            continue;
        }
        assert(at < end && s->op == ScriptOp(at[0] % 5) && mode == uint32_t(at[0] >> 7));
        assert(s->op != ScriptOp::Write || (s->code == (at[0] >> 3 & 6) && s->byte == Value(at)));
        assert(s->op != ScriptOp::Read || (s->compare && s->byte == Value(at)));
        assert(s->op != ScriptOp::Timer || (s->compare && s->count <= Value(at) && Value(at) <= s->other));
        at += 4;
    }
    assert(at == end);
    return 0;
}

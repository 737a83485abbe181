// A session recorded as the panel records it (a command an input byte: what, the register, the step mode, the
// value), read back by the script reader: the same operations, in the same step mode.
#include <sys/mman.h>
#include <unistd.h>
#include <algorithm>
#include <cassert>
#include <cstdio>
#include "board_script.h"
#include "session_record.h"

void EndWithTrouble(const char* english, const char*) { fputs(english, stderr); abort(); }  // a line lost: a finding

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static char path[32], text[SCRIPT_BYTES_MAX + 1], error[SCRIPT_ERROR_MAX];
    static BoardScript script;
    static Trouble trouble;
    static const int file = memfd_create("session", 0);  // in memory, opened by its path as the panel opens a file
    static const bool started =
        snprintf(path, sizeof path, "/proc/self/fd/%d", file) > 0 && StartRecording(path, &trouble);
    size = std::min<size_t>(size, SCRIPT_STEPS_MAX / 2);  // a steps line each, at most
    if (!started || ftruncate(file, 0) != 0) abort();
    RecordHead("fuzz", "/dev/parport0");
    for (size_t i = 0; i < size; ++i)
        RecordCommand(BoardCommand(data[i] % 5), RegisterCode(data[i] >> 3 & 6), data[i], data[i] >> 7);
    text[pread(file, text, SCRIPT_BYTES_MAX, 0)] = '\0';
    const bool read = ReadBoardScript(text, path, true, &script, error);
    const ScriptStep* s = script.steps;
    uint32_t mode = 2;  // none until a steps line says it
    for (size_t i = 0; i < size; ++i, ++s) {
        if (s->op == ScriptOp::Steps) mode = (s++)->on;
        assert(read && s < script.steps + script.count && s->op == ScriptOp(data[i] % 5) && mode == data[i] >> 7u);
    }
    assert(read && s == script.steps + script.count);
    return 0;
}

#include "board_script.h"

#include <cstring>
#include <iterator>

#include "board_ops.h"
#include "console.h"
#include "run_end.h"
#include "text.h"

static constexpr int WORDS_MAX = 4;  // the most a line takes: read = BYTE, timer = MIN..MAX

struct RegisterName {
    char name[8];
    RegisterCode code;
};
static const RegisterName REGISTERS[] = {
    {"data", REG_DATA}, {"control", REG_CONTROL}, {"low", REG_ADDR_LOW}, {"high", REG_ADDR_HIGH}};

const char* RegisterWord(RegisterCode code) {
    for (const RegisterName& reg : REGISTERS)
        if (reg.code == code) return reg.name;
    return REGISTERS[1].name;  // as the panel takes any other: the control register
}

// The words the reader takes and the recorder writes: arrays, not
// pointers, which a Windows program would have to relocate.
struct OperationName {
    char word[8];
    ScriptOp op;
};
static constexpr OperationName OPERATIONS[] = {  // by ScriptOp
    {"write", ScriptOp::Write}, {"read", ScriptOp::Read},     {"reset", ScriptOp::Reset},
    {"step", ScriptOp::Step},   {"timer", ScriptOp::Timer},   {"steps", ScriptOp::Steps},
    {"repeat", ScriptOp::Repeat}, {"end", ScriptOp::End},     {"wait", ScriptOp::Wait},
};
static constexpr bool EachInItsPlace() {
    for (size_t i = 0; i < std::size(OPERATIONS); ++i)
        if (OPERATIONS[i].op != ScriptOp(i)) return false;
    return std::size(OPERATIONS) == size_t(ScriptOp::Count);
}
static_assert(EachInItsPlace(), "a word for each ScriptOp, in its order");

const char* OperationWord(ScriptOp op) { return OPERATIONS[int(op)].word; }

void AddCounts(char* to, size_t size, uint32_t least, uint32_t most) {
    AppendDecimal(to, size, least);
    if (most == least) return;
    Append(to, size, "..");
    AppendDecimal(to, size, most);
}

// --- Reading ------------------------------------------------------------------

// A line's words, lower-cased, '=' a word of its own, a comment dropped. A
// word is never cut: the rest of a long one would be read as if nothing
// were missing (0x, sixty-two zeros and 5A, as 0x00).
struct Words {
    int count;
    bool tooLong;  // a word longer than SCRIPT_WORD_BYTES_MAX: the line is refused
    char word[WORDS_MAX + 1][SCRIPT_WORD_BYTES_MAX + 1];
};

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

static Words Split(const char* line, const char* end) {
    Words words = {};
    for (const char* p = line; p < end && *p != '#';) {
        if (IsBlank(*p)) {
            ++p;
            continue;
        }
        if (words.count > WORDS_MAX) break;  // one too many is enough to refuse the line
        char* to = words.word[words.count++];
        size_t length = 0;
        const bool equals = *p == '=';
        do {
            const char c = *p++;
            if (length == SCRIPT_WORD_BYTES_MAX)
                words.tooLong = true;
            else
                to[length++] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        } while (!equals && p < end && !IsBlank(*p) && *p != '#' && *p != '=');
        to[length] = '\0';
    }
    return words;
}

struct Decimal {
    char text[16];
};

static Decimal Number(uint64_t n) {
    Decimal number = {};
    AppendDecimal(number.text, sizeof number.text, n);
    return number;
}

struct Reader {
    const char* name;
    uint32_t line;
    char (&error)[SCRIPT_ERROR_MAX];
};

// "NAME:LINE: ", where the error begins; out of line, as every error has it.
static void FailAt(const Reader& r) {
    r.error[0] = '\0';
    Add(r.error, r.name, ":", Number(r.line).text, ": ");
}

// The error, "NAME:LINE: " and what is wrong, of these parts; false.
template <typename... Parts>
static bool Fail(const Reader& r, const Parts&... parts) {
    FailAt(r);
    Add(r.error, parts...);
    return false;
}

static constexpr uint32_t COUNT_MAX = 0xFFFFFFFF;

static bool ReadByte(const Reader& r, const char* word, uint8_t* byte) {
    uint32_t value = 0;
    if (!ReadWholeNumber(word, NumberForm::Script, 0xFF, &value))
        return Fail(r, "\"", word, "\" is not a byte (0 to 255, 0x00 to 0xFF, or 0b and eight bits)");
    *byte = uint8_t(value);
    return true;
}

static bool ReadCount(const Reader& r, const char* word, uint32_t least, uint32_t* count) {
    if (!ReadWholeNumber(word, NumberForm::Script, COUNT_MAX, count) || *count < least)
        return Fail(r, "\"", word, least == 0 ? "\" is not a number of milliseconds" : "\" is not a count (1 or more)");
    return true;
}

static constexpr DecimalDigits TIMER_MOST(TIMER_COUNT_MAX);
static constexpr DecimalDigits WORD_LIMIT(SCRIPT_WORD_BYTES_MAX);

// A timer's count, or its band: 5000, or 4000..6000, in decimal, as the
// panel shows a count.
static bool ReadTimerBand(const Reader& r, const char* word, ScriptStep* step) {
    const char* at = word;
    bool read = ReadNumber(&at, NumberForm::Decimal, TIMER_COUNT_MAX, &step->count);
    step->other = step->count;
    if (read && at[0] == '.' && at[1] == '.') {
        at += 2;
        read = ReadNumber(&at, NumberForm::Decimal, TIMER_COUNT_MAX, &step->other);
    }
    if (!read || *at != '\0')
        return Fail(r, "\"", word, "\" is not a count or a band (0 to ", TIMER_MOST.text,
                    "): timer = 5000, or timer = 4000..6000");
    if (step->count > step->other) return Fail(r, "\"", word, "\": the least count comes first");
    return true;
}

// One line into one step; false with the error.
static bool ReadStep(const Reader& r, const Words& w, bool haveTerminal, ScriptStep* step) {
    const char* op = w.word[0];
    int takes = 1;  // words the operation takes
    *step = {};
    step->line = r.line;
    const OperationName* operation = nullptr;
    for (const OperationName& known : OPERATIONS)
        if (strcmp(op, known.word) == 0) operation = &known;
    if (operation == nullptr) return Fail(r, "unknown operation \"", op, "\"");
    step->op = operation->op;
    switch (step->op) {
    case ScriptOp::Write: {
        takes = 3;
        if (w.count < 3) return Fail(r, "write needs a register and a byte: write data 0x5A");
        const RegisterName* found = nullptr;
        for (const RegisterName& reg : REGISTERS)
            if (strcmp(w.word[1], reg.name) == 0) found = &reg;
        if (found == nullptr) return Fail(r, "\"", w.word[1], "\" is not a register (data, control, low or high)");
        step->code = found->code;
        if (!ReadByte(r, w.word[2], &step->byte)) return false;
        break;
    }
    case ScriptOp::Read:
    case ScriptOp::Timer:
        if (w.count > 1) {
            const bool read = step->op == ScriptOp::Read;
            if (strcmp(w.word[1], "=") != 0)
                return Fail(r, "unexpected word \"", w.word[1], read ? "\": read = BYTE" : "\": timer = MIN..MAX");
            if (w.count < 3) return Fail(r, read ? "read = needs a byte" : "timer = needs a count or a band");
            if (!(read ? ReadByte(r, w.word[2], &step->byte) : ReadTimerBand(r, w.word[2], step))) return false;
            step->compare = true;
            takes = 3;
        }
        break;
    case ScriptOp::Step:
    case ScriptOp::Repeat:
    case ScriptOp::Wait:
        step->count = 1;
        takes = step->op == ScriptOp::Step ? (w.count > 1 ? 2 : 1) : 2;
        if (w.count < takes) return Fail(r, op, step->op == ScriptOp::Wait ? " needs milliseconds" : " needs a count");
        if (takes == 2 && !ReadCount(r, w.word[1], step->op == ScriptOp::Wait ? 0 : 1, &step->count)) return false;
        break;
    case ScriptOp::Steps: {
        takes = 2;
        const bool on = w.count > 1 && strcmp(w.word[1], "on") == 0;
        if (!on && (w.count < 2 || strcmp(w.word[1], "off") != 0)) return Fail(r, "steps needs on or off");
        if (on && !haveTerminal) return Fail(r, "steps on needs a terminal to wait for Enter on");
        step->count = on ? 1 : 0;
        break;
    }
    default:  // reset, end: the word alone
        break;
    }
    if (w.count > takes) return Fail(r, "unexpected word \"", w.word[takes], "\"");
    return true;
}

bool ReadBoardScript(const char* text, const char* name, bool haveTerminal, BoardScript* script,
                     char (&error)[SCRIPT_ERROR_MAX]) {
    Reader r = {name, 0, error};
    uint32_t open[SCRIPT_DEPTH_MAX];  // the repeats not yet ended
    uint32_t depth = 0;
    script->name = name;
    script->count = 0;
    // Notepad saves UTF-8 with a byte-order mark, which is no word.
    if (strncmp(text, "\xEF\xBB\xBF", 3) == 0) text += 3;
    for (const char* line = text; *line != '\0';) {
        const char* end = line;
        while (*end != '\n' && *end != '\0') ++end;
        ++r.line;
        const Words words = Split(line, end);
        line = *end == '\n' ? end + 1 : end;
        if (words.tooLong) return Fail(r, "a word is longer than ", WORD_LIMIT.text, " bytes");
        if (words.count == 0) continue;
        if (script->count == SCRIPT_STEPS_MAX)
            return Fail(r, "too many operations: at most ", Number(SCRIPT_STEPS_MAX).text);
        ScriptStep& step = script->steps[script->count];
        if (!ReadStep(r, words, haveTerminal, &step)) return false;
        if (step.op == ScriptOp::Repeat) {
            if (depth == SCRIPT_DEPTH_MAX)
                return Fail(r, "repeats nested too deep: at most ", Number(SCRIPT_DEPTH_MAX).text);
            open[depth++] = script->count;
        } else if (step.op == ScriptOp::End) {
            if (depth == 0) return Fail(r, "end without repeat");
            step.other = open[--depth];
            script->steps[step.other].other = script->count;
        }
        ++script->count;
    }
    if (depth > 0) {
        r.line = script->steps[open[depth - 1]].line;
        return Fail(r, "repeat without end");
    }
    return true;
}

// --- Running --------------------------------------------------------------------

// The run's own lines, built here one at a time.
static char g_said[SCRIPT_ERROR_MAX];

// What a check found or expects, as the run prints it: a read's byte
// ("0x5A"), a timer's count ("5000"), or its band ("4000..6000").
static void AddFound(bool byte, uint32_t value, uint32_t most) {
    if (byte) {
        Add(g_said, "0x");
        AppendHex(g_said, sizeof g_said, value, 2);
    } else {
        AddCounts(g_said, sizeof g_said, value, most);
    }
}

// A check's line: "read 0x5A", "timer 5000"; and where it did not hold,
// where, what was expected and what was found:
//   check.txt:4: expected 0x5B, read 0x5A
//   check.txt:7: expected 4000..6000, timer 12
static void SayFound(const BoardScript& script, const ScriptStep& step, uint32_t found, bool held) {
    const bool read = step.op == ScriptOp::Read;
    g_said[0] = '\0';
    if (!held) {
        Add(g_said, script.name, ":", Number(step.line).text, ": expected ");
        AddFound(read, read ? step.byte : step.count, step.other);
        Add(g_said, ", ");
    }
    Add(g_said, OperationWord(step.op), " ");
    AddFound(read, found, found);
    Add(g_said, "\n");
    SayToConsole(g_said, !held);
}

// The run's last line where every check held, so that the operator at the
// bench need not ask for the status: "check.txt: 12 reads and 1 timer as
// expected".
static void SayAllHeld(const BoardScript& script, uint64_t reads, uint64_t timers) {
    g_said[0] = '\0';
    Add(g_said, script.name, ": ", Number(reads).text, " read", reads == 1 ? "" : "s", " and ", Number(timers).text,
        " timer", timers == 1 ? "" : "s", " as expected\n");
    SayToConsole(g_said, false);
}

int RunBoardScript(const BoardScript& script) {
    uint32_t left[SCRIPT_DEPTH_MAX];  // each open repeat's passes still to make after this one
    uint32_t depth = 0;
    uint64_t checked[2] = {};  // the reads, and the timers, that held: each pass of a repeat
                               // counts, and a soak's may run past 32 bits
    CatchStop();
    // A stop is looked at between operations only: a write cycle is never
    // cut in half.
    for (uint32_t at = 0; at < script.count && !StopAsked(); ++at) {
        const ScriptStep& step = script.steps[at];
        switch (step.op) {
        case ScriptOp::Write:
            WriteRegister(step.code, step.byte);
            break;
        case ScriptOp::Read:
        case ScriptOp::Timer: {
            const bool read = step.op == ScriptOp::Read;
            const uint32_t found = read ? ReadDataByte() : MeasureTimer();
            SayFound(script, step, found, true);
            if (!step.compare) break;
            if (read ? found != step.byte : found < step.count || found > step.other) {
                SayFound(script, step, found, false);
                return EXIT_TROUBLE;
            }
            ++checked[read ? 0 : 1];
            break;
        }
        case ScriptOp::Reset:
            ResetBoard();
            break;
        case ScriptOp::Step:
            for (uint32_t i = 0; i < step.count && !StopAsked(); ++i) StepAddress();
            break;
        case ScriptOp::Steps:
            StepMode = step.count;
            break;
        case ScriptOp::Repeat:
            left[depth++] = step.count - 1;
            break;
        case ScriptOp::End:
            if (left[depth - 1] > 0) {
                --left[depth - 1];
                at = step.other;  // the line after the repeat comes next
            } else {
                --depth;
            }
            break;
        case ScriptOp::Wait:
            PauseFor(step.count);
            break;
        case ScriptOp::Count:  // not an operation
            break;
        }
    }
    if (!StopAsked()) {
        SayAllHeld(script, checked[0], checked[1]);
        return EXIT_DONE;
    }
    SayToConsole("stopped\n", true);
    return EXIT_STOPPED;
}

// --- Loading ----------------------------------------------------------------------

static char g_text[SCRIPT_BYTES_MAX + 2];  // one byte more than a script may hold tells it is over

bool LoadBoardScript(const char* path, BoardScript* script, ScriptTrouble* trouble) {
    const bool fromInput = strcmp(path, "-") == 0;
    const char* name = fromInput ? "<stdin>" : path;
    char reason[256] = "";
    size_t length = 0;
    trouble->said[0] = '\0';
    static_assert(SCRIPT_BYTES_MAX == 1 << 20, "the text says a megabyte");
    if (ReadScriptFile(path, g_text, sizeof g_text, &length, reason, sizeof reason) && length > SCRIPT_BYTES_MAX)
        Add(reason, "it is over a megabyte long");
    // The program's own word where the file is not a script at all; the
    // script's (NAME:LINE:) where a line is wrong.
    trouble->named = true;
    if (reason[0] != '\0') {
        Add(trouble->said, "cannot read the script ", name, ": ", reason);
        return false;
    }
    // Notepad's "Unicode" is UTF-16, with its mark, or without it a zero
    // byte in each ASCII character.
    const unsigned char* at = reinterpret_cast<const unsigned char*>(g_text);
    const bool marked = (at[0] == 0xFF && at[1] == 0xFE) || (at[0] == 0xFE && at[1] == 0xFF);
    if (length >= 2 && (marked || at[0] == 0 || at[1] == 0)) {
        Add(trouble->said, name, " is not a script: it is UTF-16 (Notepad's \"Unicode\"); save it as UTF-8 or ANSI");
        return false;
    }
    if (strlen(g_text) != length) {
        Add(trouble->said, name, " is not a script: it holds a zero byte");
        return false;
    }
    trouble->named = false;
    return ReadBoardScript(g_text, name, OpenTerminal(), script, trouble->said);
}

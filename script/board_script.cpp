#include "board_script.h"

#include <cstring>
#include <iterator>

#include "board_ops.h"
#include "console.h"
#include "run_end.h"
#include "said.h"
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
    Append(to, size, DecimalDigits(least).text);
    if (most == least) return;
    Append(to, size, "..");
    Append(to, size, DecimalDigits(most).text);
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

struct Reader {
    const char* name;
    uint32_t line;
    char (&error)[SCRIPT_ERROR_MAX];
};

// "NAME:LINE: ", where the error begins; out of line, as every error has it.
static void FailAt(const Reader& r) {
    r.error[0] = '\0';
    Add(r.error, r.name, ":", DecimalDigits(r.line).text, ": ");
}

// The error, "NAME:LINE: " and what is wrong, a pattern in the program's
// words (In(SAID_...)) with these values; false.
template <typename... Values>
static bool Fail(const Reader& r, const char* pattern, const Values&... values) {
    FailAt(r);
    AddPattern(r.error, pattern, values...);
    return false;
}

static constexpr uint32_t COUNT_MAX = 0xFFFFFFFF;

static bool ReadByte(const Reader& r, const char* word, uint8_t* byte) {
    uint32_t value = 0;
    if (!ReadWholeNumber(word, NumberForm::Script, 0xFF, &value))
        return Fail(r, In(SAID_NOT_A_BYTE), word);
    *byte = uint8_t(value);
    return true;
}

static bool ReadCount(const Reader& r, const char* word, uint32_t least, uint32_t* count) {
    if (!ReadWholeNumber(word, NumberForm::Script, COUNT_MAX, count) || *count < least)
        return Fail(r, least == 0 ? In(SAID_NOT_MILLISECONDS) : In(SAID_NOT_A_COUNT), word);
    return true;
}

static constexpr DecimalDigits TIMER_MOST(TIMER_COUNT_MAX);
static constexpr DecimalDigits WORD_LIMIT(SCRIPT_WORD_BYTES_MAX);

// A timer's count, or its band: 5000, or 4000..6000, in decimal, as the
// panel shows a count.
static bool ReadTimerBand(const Reader& r, const char* word, ScriptStep* step) {
    const char* at = word;
    bool read = ReadNumber(&at, NumberForm::Decimal, TIMER_COUNT_MAX, &step->least);
    step->most = step->least;
    if (read && at[0] == '.' && at[1] == '.') {
        at += 2;
        read = ReadNumber(&at, NumberForm::Decimal, TIMER_COUNT_MAX, &step->most);
    }
    if (!read || *at != '\0')
        return Fail(r, In(SAID_NOT_A_BAND), word, TIMER_MOST.text);
    if (step->least > step->most) return Fail(r, In(SAID_BAND_BACKWARDS), word);
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
    if (operation == nullptr) return Fail(r, In(SAID_UNKNOWN_OPERATION), op);
    step->op = operation->op;
    switch (step->op) {
    case ScriptOp::Write: {
        takes = 3;
        if (w.count < 3) return Fail(r, In(SAID_WRITE_NEEDS));
        const RegisterName* found = nullptr;
        for (const RegisterName& reg : REGISTERS)
            if (strcmp(w.word[1], reg.name) == 0) found = &reg;
        if (found == nullptr) return Fail(r, In(SAID_NOT_A_REGISTER), w.word[1]);
        step->code = found->code;
        if (!ReadByte(r, w.word[2], &step->byte)) return false;
        break;
    }
    case ScriptOp::Read:
    case ScriptOp::Timer:
        if (w.count > 1) {
            const bool read = step->op == ScriptOp::Read;
            if (strcmp(w.word[1], "=") != 0) return Fail(r, read ? In(SAID_READ_IS) : In(SAID_TIMER_IS), w.word[1]);
            if (w.count < 3) return Fail(r, read ? In(SAID_READ_NEEDS) : In(SAID_TIMER_NEEDS));
            if (!(read ? ReadByte(r, w.word[2], &step->byte) : ReadTimerBand(r, w.word[2], step))) return false;
            step->compare = true;
            takes = 3;
        }
        break;
    case ScriptOp::Step:
    case ScriptOp::Repeat:
    case ScriptOp::Wait: {
        const bool wait = step->op == ScriptOp::Wait;
        uint32_t* number = wait ? &step->milliseconds : &step->times;
        *number = 1;  // step alone: once
        takes = step->op == ScriptOp::Step ? (w.count > 1 ? 2 : 1) : 2;
        if (w.count < takes) return Fail(r, wait ? In(SAID_NEEDS_MILLISECONDS) : In(SAID_NEEDS_A_COUNT), op);
        if (takes == 2 && !ReadCount(r, w.word[1], wait ? 0 : 1, number)) return false;
        break;
    }
    case ScriptOp::Steps: {
        takes = 2;
        const bool on = w.count > 1 && strcmp(w.word[1], "on") == 0;
        if (!on && (w.count < 2 || strcmp(w.word[1], "off") != 0)) return Fail(r, In(SAID_STEPS_NEEDS));
        if (on && !haveTerminal) return Fail(r, In(SAID_STEPS_NEED_A_TERMINAL));
        step->on = on;
        break;
    }
    default:  // reset, end: the word alone
        break;
    }
    if (w.count > takes) return Fail(r, In(SAID_UNEXPECTED_WORD), w.word[takes]);
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
        if (words.tooLong) return Fail(r, In(SAID_WORD_TOO_LONG), WORD_LIMIT.text);
        if (words.count == 0) continue;
        if (script->count == SCRIPT_STEPS_MAX)
            return Fail(r, In(SAID_TOO_MANY), DecimalDigits(SCRIPT_STEPS_MAX).text);
        ScriptStep& step = script->steps[script->count];
        if (!ReadStep(r, words, haveTerminal, &step)) return false;
        if (step.op == ScriptOp::Repeat) {
            if (depth == SCRIPT_DEPTH_MAX)
                return Fail(r, In(SAID_TOO_DEEP), DecimalDigits(SCRIPT_DEPTH_MAX).text);
            open[depth++] = script->count;
        } else if (step.op == ScriptOp::End) {
            if (depth == 0) return Fail(r, In(SAID_END_WITHOUT_REPEAT));
            step.partner = open[--depth];
            script->steps[step.partner].partner = script->count;
        }
        ++script->count;
    }
    if (depth > 0) {
        r.line = script->steps[open[depth - 1]].line;
        return Fail(r, In(SAID_REPEAT_WITHOUT_END));
    }
    return true;
}

// --- Running --------------------------------------------------------------------

// The run's own lines, built here one at a time.
static char g_said[SCRIPT_ERROR_MAX];

// What a check found or expects, as the run prints it: a read's byte
// ("0x5A"), a timer's count ("5000"), or its band ("4000..6000").
struct Shown {
    char text[24];
};
static Shown Found(bool byte, uint32_t value, uint32_t most) {
    Shown shown = {};
    if (byte) {
        Add(shown.text, "0x");
        AppendHex(shown.text, sizeof shown.text, value, 2);
    } else {
        AddCounts(shown.text, sizeof shown.text, value, most);
    }
    return shown;
}

// A check's line, in the script's own words: "read 0x5A", "timer 5000";
// and where it did not hold, where, what was expected and what was found:
//   check.txt:4: expected 0x5B, read 0x5A
//   check.txt:7: expected 4000..6000, timer 12
static void SayFound(const BoardScript& script, const ScriptStep& step, uint32_t found, bool held) {
    const bool read = step.op == ScriptOp::Read;
    const Shown shown = Found(read, found, found);
    g_said[0] = '\0';
    if (held)
        Add(g_said, OperationWord(step.op), " ", shown.text);
    else
        AddPattern(g_said, read ? In(SAID_EXPECTED_READ) : In(SAID_EXPECTED_TIMER), script.name,
                   DecimalDigits(step.line).text, Found(read, read ? step.byte : step.least, step.most).text,
                   shown.text);
    Add(g_said, "\n");
    SayToConsole(g_said, !held);
}

// The run's last line where every check held, so that the operator at the
// bench need not ask for the status: "check.txt: 12 reads and 1 timer as
// expected on LPT1 (0378)".
static void SayAllHeld(const BoardScript& script, uint64_t reads, uint64_t timers, const char* where) {
    char readsSaid[32] = "", timersSaid[32] = "";
    AddPattern(readsSaid, reads == 1 ? In(SAID_ONE_READ) : In(SAID_READS), DecimalDigits(reads).text);
    AddPattern(timersSaid, timers == 1 ? In(SAID_ONE_TIMER) : In(SAID_TIMERS), DecimalDigits(timers).text);
    g_said[0] = '\0';
    AddPattern(g_said, In(SAID_ALL_HELD), script.name, readsSaid, timersSaid, where);
    Add(g_said, "\n");
    SayToConsole(g_said, false);
}

int RunBoardScript(const BoardScript& script, const char* where) {
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
            if (read ? found != step.byte : found < step.least || found > step.most) {
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
            for (uint32_t i = 0; i < step.times && !StopAsked(); ++i) StepAddress();
            break;
        case ScriptOp::Steps:
            StepMode = step.on ? 1 : 0;
            break;
        case ScriptOp::Repeat:
            left[depth++] = step.times - 1;
            break;
        case ScriptOp::End:
            if (left[depth - 1] > 0) {
                --left[depth - 1];
                at = step.partner;  // the line after the repeat comes next
            } else {
                --depth;
            }
            break;
        case ScriptOp::Wait:
            PauseFor(step.milliseconds);
            break;
        case ScriptOp::Count:  // not an operation
            break;
        }
    }
    if (!StopAsked()) {
        SayAllHeld(script, checked[0], checked[1], where);
        return EXIT_DONE;
    }
    g_said[0] = '\0';
    Add(g_said, In(SAID_STOPPED), "\n");
    SayToConsole(g_said, true);
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
        Add(reason, In(SAID_OVER_A_MEGABYTE));
    // The program's own word where the file is not a script at all; the
    // script's (NAME:LINE:) where a line is wrong.
    trouble->voice = Voice::Program;
    if (reason[0] != '\0') {
        AddPattern(trouble->said, In(SAID_CANNOT_READ_SCRIPT), name, reason);
        return false;
    }
    // Notepad's "Unicode" is UTF-16, with its mark, or without it a zero
    // byte in each ASCII character.
    const unsigned char* at = reinterpret_cast<const unsigned char*>(g_text);
    const bool marked = (at[0] == 0xFF && at[1] == 0xFE) || (at[0] == 0xFE && at[1] == 0xFF);
    if (length >= 2 && (marked || at[0] == 0 || at[1] == 0)) {
        AddPattern(trouble->said, In(SAID_UTF16), name);
        return false;
    }
    if (strlen(g_text) != length) {
        AddPattern(trouble->said, In(SAID_ZERO_BYTE), name);
        return false;
    }
    trouble->voice = Voice::Text;
    return ReadBoardScript(g_text, name, OpenTerminal(), script, trouble->said);
}

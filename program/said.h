// What a run says in the console in its own words, each text in its two
// languages side by side: the Linux programs speak English, the Windows
// program Russian, as its help, its usage errors and its boxes do. The
// build chooses the language per platform (KALDERON_RUSSIAN, CMake's), and
// a program carries its own language's texts alone. %1 to %5 stand for the
// values a text names (AddPattern, text.h).
#pragma once

struct Said {
    const char* english;
    const char* russian;
};

// The text in the program's language.
constexpr const char* In(const Said& said) { return KALDERON_RUSSIAN ? said.russian : said.english; }

// --- A board script's line that is wrong, after "NAME:LINE: " -------------------
constexpr Said SAID_WORD_TOO_LONG = {"a word is longer than %1 bytes", "слово длиннее %1 байт"};
constexpr Said SAID_UNKNOWN_OPERATION = {"unknown operation \"%1\"", "неизвестное действие «%1»"};
constexpr Said SAID_WRITE_NEEDS = {"write needs a register and a byte: write data 0x5A",
                                   "write нужны регистр и байт: write data 0x5A"};
constexpr Said SAID_NOT_A_REGISTER = {"\"%1\" is not a register (data, control, low or high)",
                                      "«%1» — не регистр (data, control, low или high)"};
constexpr Said SAID_NOT_A_BYTE = {"\"%1\" is not a byte (0 to 255, 0x00 to 0xFF, or 0b and eight bits)",
                                  "«%1» — не байт (от 0 до 255, от 0x00 до 0xFF или 0b и восемь битов)"};
constexpr Said SAID_NOT_MILLISECONDS = {"\"%1\" is not a number of milliseconds", "«%1» — не число миллисекунд"};
constexpr Said SAID_NOT_A_COUNT = {"\"%1\" is not a count (1 or more)", "«%1» — не число раз (1 или больше)"};
constexpr Said SAID_NOT_A_BAND = {"\"%1\" is not a count or a band (0 to %2): timer = 5000, or timer = 4000..6000",
                                  "«%1» — не число и не границы (от 0 до %2): timer = 5000 или timer = 4000..6000"};
constexpr Said SAID_BAND_BACKWARDS = {"\"%1\": the least count comes first", "«%1»: меньшее число пишется первым"};
constexpr Said SAID_UNEXPECTED_WORD = {"unexpected word \"%1\"", "лишнее слово «%1»"};
constexpr Said SAID_READ_IS = {"unexpected word \"%1\": read = BYTE", "лишнее слово «%1»: read = БАЙТ"};
constexpr Said SAID_TIMER_IS = {"unexpected word \"%1\": timer = MIN..MAX", "лишнее слово «%1»: timer = МИН..МАКС"};
constexpr Said SAID_READ_NEEDS = {"read = needs a byte", "после read = нужен байт"};
constexpr Said SAID_TIMER_NEEDS = {"timer = needs a count or a band", "после timer = нужно число или границы"};
constexpr Said SAID_NEEDS_MILLISECONDS = {"%1 needs milliseconds", "%1: нужно число миллисекунд"};
constexpr Said SAID_NEEDS_A_COUNT = {"%1 needs a count", "%1: нужно число раз"};
constexpr Said SAID_STEPS_NEEDS = {"steps needs on or off", "после steps нужно on или off"};
constexpr Said SAID_STEPS_NEED_A_TERMINAL = {"steps on needs a terminal to wait for Enter on",
                                            "steps on нужна консоль, в которой ждать Enter"};
constexpr Said SAID_TOO_MANY = {"too many operations: at most %1", "слишком много действий: не больше %1"};
constexpr Said SAID_TOO_DEEP = {"repeats nested too deep: at most %1", "повторы вложены слишком глубоко: не больше %1"};
constexpr Said SAID_END_WITHOUT_REPEAT = {"end without repeat", "end без repeat"};
constexpr Said SAID_REPEAT_WITHOUT_END = {"repeat without end", "repeat без end"};

// --- A board script's file that is no script, after the program's name -------
constexpr Said SAID_CANNOT_READ_SCRIPT = {"cannot read the script %1: %2", "не удалось прочитать сценарий %1: %2"};
constexpr Said SAID_OVER_A_MEGABYTE = {"it is over a megabyte long", "он длиннее мегабайта"};
constexpr Said SAID_UTF16 = {"%1 is not a script: it is UTF-16 (Notepad's \"Unicode\"); save it as UTF-8 or ANSI",
                             "%1 — не сценарий: он в UTF-16 («Юникод» Блокнота); сохраните его в UTF-8 или ANSI"};
constexpr Said SAID_ZERO_BYTE = {"%1 is not a script: it holds a zero byte", "%1 — не сценарий: в нём нулевой байт"};

// --- A board script's run --------------------------------------------------------
// A check that did not hold: where, what was expected, what was found.
constexpr Said SAID_EXPECTED_READ = {"%1:%2: expected %3, read %4", "%1:%2: ожидалось %3, прочитано %4"};
constexpr Said SAID_EXPECTED_TIMER = {"%1:%2: expected %3, timer %4", "%1:%2: ожидалось %3, таймер %4"};
// Every check held: the reads and the timers that did, and what it ran on.
constexpr Said SAID_ALL_HELD = {"%1: %2 and %3 as expected on %4", "%1: все проверки сошлись (чтений: %2, таймеров: %3) на %4"};
constexpr Said SAID_READS = {"%1 reads", "%1"};
constexpr Said SAID_ONE_READ = {"1 read", "1"};
constexpr Said SAID_TIMERS = {"%1 timers", "%1"};
constexpr Said SAID_ONE_TIMER = {"1 timer", "1"};
constexpr Said SAID_ON_THE_SIMULATED_BOARD = {"the simulated board", "имитаторе платы"};  // after "on"
constexpr Said SAID_STOPPED = {"stopped", "остановлено"};

// --- The run's end ------------------------------------------------------------------
constexpr Said SAID_OUTPUT_LOST = {"cannot write to standard output: ", "не удалось записать стандартный вывод: "};

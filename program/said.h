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

// The text in the program's language. Given a constant, so that the other
// language's text is left out: choose between In(A) and In(B), never In of a
// choice between A and B.
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

// --- A check of the port and the board, a line for each link it tried -----------
// Each line ends in its own newline; a line ending in a space goes on in the
// next, which a box joins into one paragraph (run_end.cpp).
// Where a port's name and address would be.
constexpr Said SAID_CHECK_SIMULATED_BOARD = {"the simulated board", "имитатор платы"};
// %1 the port.
constexpr Said SAID_CHECK_STARTED = {"Port library: started, on %1.\n", "Библиотека порта запущена: %1.\n"};
// %1 the port; its data register %2 written and %3 read back; %4 the control part.
constexpr Said SAID_CHECK_NO_PORT = {"Port: nothing answers at %1: \n  its data register read back %3 for %2%4.\n",
                                     "Порт %1 не отвечает: \n  данные %2, прочитано %3%4.\n"};
constexpr Said SAID_CHECK_PORT = {"Port: %1 answers: \n  its data register read back %3 for %2%4.\n",
                                  "Порт %1 отвечает: \n  данные %2, прочитано %3%4.\n"};
// The control register: %1 written, %2 read back; or a driver's own copy of
// it, which Windows' port library never answers from.
constexpr Said SAID_CHECK_CONTROL = {"; \n  its control register %2 for %1", "; \n  управление %1, прочитано %2"};
constexpr Said SAID_CHECK_CONTROL_NOT_COUNTED = {
    "; \n  its control register is not counted: ppdev answers it from its own copy", ""};
// By CheckFound from TimerStuck: %1 the count, %2 its milliseconds, %3 a
// read's microseconds, %4 the poll limit.
constexpr Said SAID_CHECK_TIMER_STUCK = {
    "Board: none answered: the timer line stayed set for all %4 reads. \n  Check the cable and the board's power.\n",
    "Платы нет: линия таймера установлена все %4 чтений. \n  Проверьте кабель и питание платы.\n"};
constexpr Said SAID_CHECK_TIMER_NEVER_SET = {
    "Board: none answered: the timer line was clear from the first read. \n  Check the board's power and its timer.\n",
    "Платы нет: линия таймера сброшена с первого чтения. \n  Проверьте питание платы и её таймер.\n"};
constexpr Said SAID_CHECK_BOARD = {"Board: answered: its timer ran for %1 status reads, \n  %2 ms at %3 µs a read.\n",
                                   "Плата ответила: таймер шёл %1 чтений, %2 мс по %3 мкс.\n"};
// %1 with the low nibble selected, %2 the high.
constexpr Said SAID_CHECK_STATUS_LINES = {"Status lines: %1 with the low nibble selected, %2 with the high.\n",
                                          "Линии состояния: %1 и %2 (младшая и старшая тетрада).\n"};
// %1 a read's microseconds, %2 over how many reads.
constexpr Said SAID_CHECK_COST = {"Read cost: %1 µs a status read on this port, over %2 reads.\n",
                                  "Чтение порта: %1 мкс (по %2 чтениям).\n"};
// None listed; %1 the others, each with its --port.
constexpr Said SAID_CHECK_NO_OTHERS = {"No other parallel port is listed here.\n", "Других портов LPT нет.\n"};
constexpr Said SAID_CHECK_OTHERS = {"Other parallel ports here: %1.\n", "Другие порты: %1.\n"};
// What the check proves: both registers read from the port, the data
// register alone (ppdev, never on Windows), on the simulated board.
constexpr Said SAID_CHECK_PROVES_PORT = {
    "What the check can prove: the port keeps what is written to its data and \n"
    "  control registers, and the board's timer starts and stops; not the \n"
    "  board's registers, its read-back or the chip.\n",
    "Проверены регистры порта и таймер платы, \n  но не регистры платы и микросхема.\n"};
constexpr Said SAID_CHECK_PROVES_DATA = {
    "What the check can prove: the port keeps what is written to its data \n"
    "  register (its control register is read from ppdev's own copy, not the \n"
    "  port), and the board's timer starts and stops; not the board's \n"
    "  registers, its read-back or the chip.\n",
    ""};
constexpr Said SAID_CHECK_PROVES_NOTHING = {
    "What the check can prove: nothing of hardware; KALDERON_SIM_BOARD=no-port \n"
    "  or no-board plays the other verdicts.\n",
    "Оборудование не проверялось \n  (другие итоги: KALDERON_SIM_BOARD=no-port, no-board).\n"};
// No port, no board, the board answered: %1 the port.
constexpr Said SAID_CHECK_VERDICT_NO_PORT = {"Verdict: %1: nothing answers.\n", "Итог: %1: ничего не отвечает.\n"};
constexpr Said SAID_CHECK_VERDICT_NO_BOARD = {"Verdict: %1: the port answers, no board does.\n",
                                              "Итог: %1: порт отвечает, плата нет.\n"};
constexpr Said SAID_CHECK_VERDICT_BOARD = {"Verdict: %1: the board answered.\n", "Итог: %1: плата ответила.\n"};
constexpr Said SAID_DECIMAL_POINT = {".", ","};

// --- The run's end ------------------------------------------------------------------
constexpr Said SAID_OUTPUT_LOST = {"cannot write to standard output: ", "не удалось записать стандартный вывод: "};

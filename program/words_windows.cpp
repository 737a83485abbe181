// The Windows program's words: Russian, as in its boxes. The help's lines
// fit a console; a line ending in a space goes on in the next, which a box
// joins into one paragraph to wrap at its own width (run_end.cpp).
#include <iterator>

#include "check_words.h"
#include "command_line.h"
#include "help_from_table.h"  // the options and exit statuses: options_and_statuses.txt

static const UsageText USAGE_ERRORS[] = {
    {"", ""},  // UsageError::None
    {"Неизвестный параметр «", "»."},
    {"Лишнее слово «", "»."},
    {"После «", "» нужно значение."},
    {"«", "» указан дважды."},
    {"«", "»: имитатору платы порт не нужен."},
    {"Слово длиннее ", " байт."},  // the limit in between
    {"«", "» нельзя вместе с «--run»."},
    {"«--check» нельзя вместе с «", "»: проверка ничего другого не выполняет."},
};
static_assert(std::size(USAGE_ERRORS) == size_t(UsageError::Count), "a text for each UsageError");

// The port library reads both registers from the port itself, so the
// words for a driver's copy of the control register are never said here.
const CheckWords WINDOWS_CHECK_WORDS = {
    "имитатор платы",
    "Библиотека порта запущена: %1.\n",
    {"Порт %1 не отвечает: \n  данные %2, прочитано %3%4.\n", "Порт %1 отвечает: \n  данные %2, прочитано %3%4.\n"},
    "; \n  управление %1, прочитано %2",
    "",
    {"Платы нет: линия таймера установлена все %4 чтений. \n  Проверьте кабель и питание платы.\n",
     "Платы нет: линия таймера сброшена с первого чтения. \n  Проверьте питание платы и её таймер.\n",
     "Плата ответила: таймер шёл %1 чтений, %2 мс по %3 мкс.\n"},
    "Линии состояния: %1 и %2 (младшая и старшая тетрада).\n",
    "Чтение порта: %1 мкс (по %2 чтениям).\n",
    {"Других портов LPT нет.\n", "Другие порты: %1.\n"},
    {"Проверены регистры порта и таймер платы, \n  но не регистры платы и микросхема.\n", "",
     "Оборудование не проверялось \n  (другие итоги: KALDERON_SIM_BOARD=no-port, no-board).\n"},
    {"Итог: %1: ничего не отвечает.\n", "Итог: %1: порт отвечает, плата нет.\n", "Итог: %1: плата ответила.\n"},
    ",",
};



const ProgramWords WINDOWS_PROGRAM = {
    "kalderon-test.exe",
    "kalderon-test",
    "[--port ПОРТ] [--check | --run ФАЙЛ | --record ФАЙЛ]",
    "Тестовая панель платы программатора на параллельном порту.\n"
    "\n"
    "Параметры:\n" KALDERON_TEST_EXE_OPTIONS
    "\n"
    "Коды завершения:\n" KALDERON_TEST_EXE_STATUSES
    "\n"
    "Руководство: README.txt рядом с программой.\n",
    "Запуск: ",
    "Справка: ",
    false,
    USAGE_ERRORS,
    "Не удалось открыть окно панели.",  // where Windows cannot show the panel, it shows no box either
    &WINDOWS_CHECK_WORDS,
};

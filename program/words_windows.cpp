// The Windows program's words: Russian, as in its boxes. The help's lines
// fit a console; a line ending in a space goes on in the next, which a box
// joins into one paragraph to wrap at its own width (run_end.cpp).
#include <iterator>

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
};

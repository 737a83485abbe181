// The Windows program's words: Russian, as in its boxes. The help's lines
// fit a console; a line ending in a space goes on in the next, which a box
// joins into one paragraph to wrap at its own width (run_end.cpp).
#include <iterator>

#include "command_line.h"

static const UsageText USAGE_ERRORS[] = {
    {"", ""},  // UsageError::None
    {"Неизвестный параметр «", "»."},
    {"Лишнее слово «", "»."},
    {"После «", "» нужно значение."},
    {"«", "» указан дважды."},
    {"«", "»: имитатору платы порт не нужен."},
    {"Слово длиннее ", " байт."},  // the limit in between
    {"«", "» нельзя вместе с «--run»."},
};
static_assert(std::size(USAGE_ERRORS) == size_t(UsageError::Count), "a text for each UsageError");

const ProgramWords WINDOWS_PROGRAM = {
    "kalderon-test.exe",
    "kalderon-test",
    "[--port ПОРТ] [--run ФАЙЛ | --record ФАЙЛ]",
    "Тестовая панель платы программатора на параллельном порту.\n"
    "\n"
    "Параметры:\n"
    "  --port ПОРТ — порт, к которому подключена плата; без него — первый \n"
    "      порт LPT. Имя: --port LPT3; адрес: --port D010, или диапазон: \n"
    "      --port D010-D017.\n"
    "  --run ФАЙЛ — выполнить сценарий для платы из ФАЙЛА (- — из \n"
    "      стандартного ввода) вместо панели, без окна; read = БАЙТ и \n"
    "      timer = МИН..МАКС проверяют байт и таймер, а если всё сошлось, \n"
    "      последняя строка это говорит.\n"
    "  --record ФАЙЛ — дописывать команды панели в ФАЙЛ как сценарий: \n"
    "      записав проверку на исправной плате, выполняйте его на следующих \n"
    "      (--run).\n"
    "  -h, --help, /? — эта справка\n"
    "  --version — версия программы\n"
    "\n"
    "Код завершения: 0 — панель закрыта или сценарий выполнен; 1 — плата \n"
    "недоступна (порта нет, драйвер порта не открыт, файл трассировки \n"
    "имитатора не записать) или сценарий прочитал не тот байт или таймер \n"
    "вне границ, или вывод не записан (диск полон); 2 — ошибка в командной \n"
    "строке или в сценарии; 130 — \n"
    "сценарий остановлен по Ctrl+C.\n"
    "Руководство: README.txt рядом с программой.\n",
    "Запуск: ",
    "Справка: ",
    false,
    USAGE_ERRORS,
    "cannot open the panel's window.",  // where Windows cannot show the panel, it shows no box either
};

// The Windows program's words: Russian, as in its boxes. The help is
// paragraphs, which a box wraps to its width and the console at its words
// (console_windows.cpp); a line of its own is a paragraph of its own.
#include "command_line.h"

const ProgramWords WINDOWS_PROGRAM = {
    "kalderon-test.exe",
    "kalderon-test",
    "[--port ПОРТ] [--run ФАЙЛ]",
    "Тестовая панель платы программатора на параллельном порту.\n"
    "\n"
    "Параметры:\n"
    "  --port ПОРТ — порт, к которому подключена плата; без него — первый порт LPT. "
    "Имя: --port LPT3; адрес: --port D010, или диапазон: --port D010-D017.\n"
    "  --run ФАЙЛ — выполнить сценарий для платы из ФАЙЛА (- — из стандартного ввода) вместо панели, без окна; "
    "из командной строки: kalderon-test --run ФАЙЛ\n"
    "  -h, --help, /? — эта справка\n"
    "  --version — версия программы\n"
    "\n"
    "Код завершения: 0 — панель закрыта или сценарий выполнен; 1 — плата недоступна (порта нет, драйвер порта "
    "не открыт, файл трассировки имитатора не записать) или сценарий прочитал не тот байт; 2 — ошибка в "
    "командной строке или в сценарии; 130 — сценарий остановлен по Ctrl+C.\n"
    "Руководство: README.txt рядом с программой.\n",
    true,
    true,
};

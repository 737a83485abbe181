#include "command_line.h"

#include <cstring>

#include "text.h"

static const char PORT_OPTION[] = "--port";

const ProgramWords LINUX_PROGRAM = {
    "kalderon-test",
    "kalderon-test",
    "[--port PORT]",
    "The operator's test panel for the device-programmer board on a parallel port.\n"
    "\n"
    "Options:\n"
    "  --port PORT   the port the board hangs on; without it, /dev/parport0:\n"
    "                  a device       --port /dev/parport1\n"
    "                  a base (hex)   --port 0x278    or a range   --port 0x278-0x27F\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when the panel is closed; 1 when the board cannot be reached\n"
    "(no such port, or it cannot be opened); 2 for a wrong command line.\n"
    "The manual: man kalderon-test\n",
    true,
    false,
};

const ProgramWords LINUX_SIM_PROGRAM = {
    "kalderon-test-sim",
    "kalderon-test-sim",
    "",
    "The operator's test panel on a simulated board: no port and no hardware.\n"
    "KALDERON_PORT_TRACE=FILE appends every port access to FILE; a FILE ending\n"
    "in .vcd is a waveform.\n"
    "\n"
    "Options:\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when the panel is closed; 1 when the trace file cannot be\n"
    "written; 2 for a wrong command line.\n"
    "The manual: man kalderon-test\n",
    false,
    false,
};

const ProgramWords WINDOWS_PROGRAM = {
    "kalderon-test.exe",
    "kalderon-test",
    "[--port ПОРТ]",
    "Тестовая панель платы программатора на параллельном порту.\n"
    "\n"
    "Параметры:\n"
    "  --port ПОРТ — порт, к которому подключена плата; без него — первый порт LPT:\n"
    "      имя: --port LPT3\n"
    "      адрес: --port D010, или диапазон: --port D010-D017\n"
    "  -h, --help, /? — эта справка\n"
    "  --version — версия программы\n"
    "\n"
    "Код завершения: 0 — панель закрыта; 1 — плата недоступна (порта нет,\n"
    "или драйвер порта не открыт); 2 — ошибка в командной строке.\n"
    "Руководство: README.txt рядом с программой.\n",
    true,
    true,
};

// What is wrong with a word, in each language: English after the program's
// name, Russian as a sentence of its own.
struct UsageText {
    const char* english;  // before and after the word
    const char* englishAfter;
    const char* russian;
    const char* russianAfter;
};
static const UsageText USAGE_TEXTS[] = {
    {"", "", "", ""},  // UsageError::None
    {"unknown option \"", "\"", "Неизвестный параметр «", "»."},
    {"unexpected word \"", "\"", "Лишнее слово «", "»."},
    {"\"", "\" needs a port", "После «", "» нужен порт."},
    {"\"", "\" is given twice", "«", "» указан дважды."},
    {"\"", "\": the simulated board needs no port", "«", "»: имитатору платы порт не нужен."},
};

static bool Is(const char* word, const char* name) { return strcmp(word, name) == 0; }

static CommandLine Wrong(UsageError error, const char* word) {
    return {ProgramAsked::Wrong, {PortAsked::Default, 0, ""}, error, word};
}

// In order, as getopt reads: the first word that decides (help, version, a
// usage error) decides.
CommandLine ReadCommandLine(int count, const char* const* args, const ProgramWords& program) {
    CommandLine line = {ProgramAsked::Panel, {PortAsked::Default, 0, ""}, UsageError::None, ""};
    bool portGiven = false;
    const size_t optionLength = sizeof PORT_OPTION - 1;
    for (int i = 0; i < count; ++i) {
        const char* word = args[i];
        // "/?" is Windows' way of asking; harmless elsewhere.
        if (Is(word, "--help") || Is(word, "-h") || Is(word, "/?")) return {ProgramAsked::Help, line.port, {}, word};
        if (Is(word, "--version")) return {ProgramAsked::Version, line.port, {}, word};
        const bool joined = strncmp(word, PORT_OPTION, optionLength) == 0 && word[optionLength] == '=';
        if (Is(word, PORT_OPTION) || joined) {
            if (!program.takesPort) return Wrong(UsageError::NoPortNeeded, PORT_OPTION);
            if (portGiven) return Wrong(UsageError::PortTwice, PORT_OPTION);
            const char* value = joined ? word + optionLength + 1 : (i + 1 < count ? args[++i] : "");
            if (*value == '\0') return Wrong(UsageError::NoPortValue, PORT_OPTION);
            line.port = ReadPortValue(value);
            portGiven = true;
            continue;
        }
        return Wrong(word[0] == '-' ? UsageError::UnknownOption : UsageError::StrayWord, word);
    }
    return line;
}

Answer CommandLineAnswer(const CommandLine& line, const ProgramWords& program) {
    Answer said = {};
    char(&answer)[sizeof said.text] = said.text;
    const char* usage = program.russian ? "Запуск: " : "Usage: ";
    const char* space = *program.usage != '\0' ? " " : "";
    switch (line.asked) {
    case ProgramAsked::Panel:
        break;
    case ProgramAsked::Help:
        Add(answer, usage, program.name, space, program.usage, "\n", program.help);
        break;
    case ProgramAsked::Version:
        Add(answer, program.product, " ", KALDERON_VERSION, "\n");
        break;
    case ProgramAsked::Wrong: {
        const UsageText& text = USAGE_TEXTS[int(line.error)];
        if (program.russian)
            Add(answer, text.russian, line.word, text.russianAfter, "\n");
        else
            Add(answer, program.name, ": ", text.english, line.word, text.englishAfter, "\n");
        Add(answer, usage, program.name, space, program.usage, "\n");
        Add(answer, program.russian ? "Справка: " : "More: ", program.name, " --help\n");
        break;
    }
    }
    return said;
}

PortArgument StartCommandLine(int count, const char* const* args, const ProgramWords& program) {
    const CommandLine line = ReadCommandLine(count, args, program);
    if (line.asked == ProgramAsked::Panel) return line.port;
    AnswerAndEnd(CommandLineAnswer(line, program).text, line.asked == ProgramAsked::Wrong ? EXIT_USAGE : 0);
}

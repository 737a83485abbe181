#include "command_line.h"

#include <cstring>

#include "port_refusal.h"
#include "text.h"

static const char PORT_OPTION[] = "--port";
static const char RUN_OPTION[] = "--run";

const ProgramWords LINUX_PROGRAM = {
    "kalderon-test",
    "kalderon-test",
    "[--port PORT] [--run FILE]",
    "The operator's test panel for the device-programmer board on a parallel port.\n"
    "\n"
    "Options:\n"
    "  --port PORT   the port the board hangs on; without it, /dev/parport0:\n"
    "                  a device       --port /dev/parport1\n"
    "                  a base (hex)   --port 0x278    or a range   --port 0x278-0x27F\n"
    "  --run FILE    run the board script FILE (- for standard input) instead of\n"
    "                the panel, with no window; each line an operation:\n"
    "                write REGISTER BYTE, read [= BYTE], reset, step [COUNT], timer,\n"
    "                steps on|off, repeat COUNT ... end, wait MS\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when the panel is closed or the script ran; 1 when the board\n"
    "cannot be reached (no such port, or it cannot be opened) or a script's read\n"
    "found another byte; 2 for a wrong command line or script.\n"
    "The manual: man kalderon-test\n",
    true,
    false,
};

const ProgramWords LINUX_SIM_PROGRAM = {
    "kalderon-test-sim",
    "kalderon-test-sim",
    "[--run FILE]",
    "The operator's test panel on a simulated board: no port and no hardware.\n"
    "KALDERON_PORT_TRACE=FILE appends every port access to FILE; a FILE ending\n"
    "in .vcd is a waveform.\n"
    "\n"
    "Options:\n"
    "  --run FILE    run the board script FILE (- for standard input) instead of\n"
    "                the panel, with no window (man kalderon-test)\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when the panel is closed or the script ran; 1 when the trace\n"
    "file cannot be written or a script's read found another byte; 2 for a wrong\n"
    "command line or script.\n"
    "The manual: man kalderon-test\n",
    false,
    false,
};

const ProgramWords WINDOWS_PROGRAM = {
    "kalderon-test.exe",
    "kalderon-test",
    "[--port ПОРТ] [--run ФАЙЛ]",
    "Тестовая панель платы программатора на параллельном порту.\n"
    "\n"
    "Параметры:\n"
    "  --port ПОРТ — порт, к которому подключена плата; без него — первый порт LPT:\n"
    "      имя: --port LPT3\n"
    "      адрес: --port D010, или диапазон: --port D010-D017\n"
    "  --run ФАЙЛ — выполнить сценарий для платы из ФАЙЛА (- — из стандартного ввода)\n"
    "      вместо панели, без окна; из командной строки: kalderon-test --run ФАЙЛ\n"
    "  -h, --help, /? — эта справка\n"
    "  --version — версия программы\n"
    "\n"
    "Код завершения: 0 — панель закрыта или сценарий выполнен; 1 — плата\n"
    "недоступна (порта нет, или драйвер порта не открыт) или сценарий прочитал\n"
    "не тот байт; 2 — ошибка в командной строке или в сценарии.\n"
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
    {"\"", "\" needs a value", "После «", "» нужно значение."},
    {"\"", "\" is given twice", "«", "» указан дважды."},
    {"\"", "\": the simulated board needs no port", "«", "»: имитатору платы порт не нужен."},
};

static bool Is(const char* word, const char* name) { return strcmp(word, name) == 0; }

static CommandLine Wrong(UsageError error, const char* word) {
    return {ProgramAsked::Wrong, {PortAsked::Default, 0, ""}, error, word, nullptr};
}

// "--port VALUE" or "--port=VALUE": whether args[*at] is the option; its
// value (empty where there is none) in *value, *at moved past it.
static bool Option(const char* name, int count, const char* const* args, int* at, const char** value) {
    const char* word = args[*at];
    const size_t length = strlen(name);
    if (strncmp(word, name, length) != 0) return false;
    if (word[length] == '=') {
        *value = word + length + 1;
        return true;
    }
    if (word[length] != '\0') return false;
    *value = *at + 1 < count ? args[++*at] : "";
    return true;
}

// In order, as getopt reads: the first word that decides (help, version, a
// usage error) decides.
CommandLine ReadCommandLine(int count, const char* const* args, const ProgramWords& program) {
    CommandLine line = {ProgramAsked::Panel, {PortAsked::Default, 0, ""}, UsageError::None, "", nullptr};
    bool portGiven = false;
    for (int i = 0; i < count; ++i) {
        const char* word = args[i];
        const char* value = nullptr;
        // "/?" is Windows' way of asking; harmless elsewhere.
        if (Is(word, "--help") || Is(word, "-h") || Is(word, "/?"))
            return {ProgramAsked::Help, line.port, {}, word, nullptr};
        if (Is(word, "--version")) return {ProgramAsked::Version, line.port, {}, word, nullptr};
        if (Option(PORT_OPTION, count, args, &i, &value)) {
            if (!program.takesPort) return Wrong(UsageError::NoPortNeeded, PORT_OPTION);
            if (portGiven) return Wrong(UsageError::GivenTwice, PORT_OPTION);
            if (*value == '\0') return Wrong(UsageError::NoValue, PORT_OPTION);
            line.port = ReadPortValue(value);
            portGiven = true;
        } else if (Option(RUN_OPTION, count, args, &i, &value)) {
            if (line.script != nullptr) return Wrong(UsageError::GivenTwice, RUN_OPTION);
            if (*value == '\0') return Wrong(UsageError::NoValue, RUN_OPTION);
            line.script = value;
        } else {
            return Wrong(word[0] == '-' && word[1] != '\0' ? UsageError::UnknownOption : UsageError::StrayWord, word);
        }
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

const char* ScriptAsked() {
    const char* args[PORT_ARGS_MAX];
    // Read as by a program that takes --port: whether this one does is its
    // start's to say.
    const CommandLine line = ReadCommandLine(ProgramArguments(args), args, WINDOWS_PROGRAM);
    return line.asked == ProgramAsked::Panel ? line.script : nullptr;
}

PortArgument StartCommandLine(int count, const char* const* args, const ProgramWords& program) {
    const CommandLine line = ReadCommandLine(count, args, program);
    // A script's refusals are said where it prints: it opens no window.
    if (line.script != nullptr) RefuseWithoutBox();
    if (line.asked == ProgramAsked::Panel) return line.port;
    AnswerAndEnd(CommandLineAnswer(line, program).text, line.asked == ProgramAsked::Wrong ? EXIT_USAGE : 0);
}

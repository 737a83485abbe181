#include "port_refusal.h"

#include <cerrno>
#include <cstring>

#include "text.h"

const PortWords WINDOWS_PORT_WORDS = {
    "LPT3",
    "D010",
    "", 4,  // as Device Manager shows it
    {"Windows lists no parallel port (LPT).", "Windows не нашла ни одного параллельного порта (LPT)."},
};

const PortWords LINUX_PORT_WORDS = {
    "/dev/parport1",
    "0x278",
    "0x", 1,
    {"The kernel has no parallel port.", "Ядро не нашло ни одного параллельного порта."},
};

const PortText WINDOWS_NAMING_A_PORT = {
    "\n\nName a port Windows does not show by its address when starting the program, for example:\n"
    "    kalderon-test.exe --port D010\n"
    "The address is the start of its first I/O range: Device Manager, Ports (COM & LPT), the port, Resources.",
    "\n\nПорт, которого Windows не показывает, указывают его адресом при запуске программы, например:\n"
    "    kalderon-test.exe --port D010\n"
    "Адрес — начало первого диапазона ввода-вывода: Диспетчер устройств → Порты (COM и LPT) → "
    "порт → Ресурсы."};

const PortText LINUX_USB_ADAPTER = {
    "\nA USB-to-parallel adapter (/dev/usb/lp*) cannot drive the board: it is a printer interface, not a port.",
    "\nUSB-адаптер параллельного порта (/dev/usb/lp*) не может управлять платой: это интерфейс "
    "принтера, а не порт."};

// Why a device cannot be opened and claimed, and what to do.
static PortText FixFor(int error) {
    switch (error) {
    case ENOENT:
        return {"there is no parallel port, or the modules parport_pc and ppdev are not loaded "
                "(sudo modprobe parport_pc ppdev)",
                "Параллельного порта нет, или не загружены модули parport_pc и ppdev "
                "(sudo modprobe parport_pc ppdev)."};
    case EACCES:
    case EPERM:
        return {"add your user to the group lp (sudo adduser $USER lp) and log in again",
                "Нет прав на порт: добавьте пользователя в группу lp (sudo adduser $USER lp) "
                "и войдите в систему заново."};
    case ENXIO:
    case EBUSY:
        return {"the port is in use, by the lp module (sudo rmmod lp) or by another program",
                "Порт занят модулем lp (sudo rmmod lp) или другой программой."};
    case ENOTTY:
        return {"this device is not a parallel port", "Это устройство не параллельный порт."};
    default:
        return {"check that the parallel port is present and free", "Проверьте, что параллельный порт есть и свободен."};
    }
}

// Once claimed, a port fails only because it went away.
static const PortText LOST_FIX = {
    "the port went away (a card removed, an adapter unplugged or the driver unloaded); "
    "reconnect it and start the program again",
    "Порт пропал: плата вынута, адаптер отключён или драйвер выгружен. "
    "Подключите его снова и запустите программу заново."};

static void Said(Trouble& message, const PortText& text) {
    Add(message.english, text.english);
    Add(message.russian, text.russian);
}

// "LPT1 (0378)"; a base alone where there is no name: "0378", "0x378".
static void AddPort(char* to, size_t size, const char* name, uint32_t base, const PortWords& words) {
    Append(to, size, name);
    Append(to, size, *name != '\0' ? " (" : "");
    Append(to, size, words.basePrefix);
    AppendHex(to, size, base, words.baseDigits);
    Append(to, size, *name != '\0' ? ")" : "");
}

// "Parallel ports here: LPT1 (0378), LPT3 (D010).", or that there is none;
// then the advice.
static void SayFound(Trouble& message, const FoundPort* found, int count, const PortWords& words,
                     const PortText* advice) {
    if (count == 0) {
        Said(message, words.noPort);
    } else {
        char listed[TROUBLE_TEXT_MAX / 2] = "";
        for (int i = 0; i < count; ++i) {
            Add(listed, i == 0 ? "" : ", ");
            AddPort(listed, sizeof listed, found[i].name, found[i].base, words);
        }
        Add(message.english, "Parallel ports here: ", listed, ".");
        Add(message.russian, "Параллельные порты этого компьютера: ", listed, ".");
    }
    if (advice != nullptr) Said(message, *advice);
}

Trouble ChoiceRefusal(const PortArgument& asked, const FoundPort* found, int count, const PortWords& words,
                          const PortText* advice) {
    Trouble message = {};
    // Nothing named and nothing found: only that there is none, and advice.
    if (asked.kind == PortAsked::Default && count == 0) {
        SayFound(message, found, count, words, advice);
        return message;
    }
    Add(message.english, "\"", asked.given, "\" is not a parallel port here.\nName a port as --port ",
        words.exampleName, " or by its base, --port ", words.exampleBase, ".\n");
    Add(message.russian, "Порт «", asked.given, "» не найден или это не порт.\nУкажите порт так: --port ",
        words.exampleName, " или --port ", words.exampleBase, ".\n\n");
    SayFound(message, found, count, words, advice);
    return message;
}

Trouble OpeningRefusal(const char* device, int error, const FoundPort* found, int count,
                           const PortWords& words, const PortText* advice) {
    const char* reason = strerror(error);
    const PortText fix = FixFor(error);
    Trouble message = {};
    Add(message.english, "cannot use the parallel port ", device, ": ", reason, ".\nFix: ", fix.english, ".\n");
    Add(message.russian, "Не удалось открыть параллельный порт ", device, ":\n", reason, ".\n\n", fix.russian,
        "\n\n");
    SayFound(message, found, count, words, advice);
    return message;
}

Trouble LostPortRefusal(const char* device, int error) {
    const char* reason = strerror(error);
    Trouble message = {};
    Add(message.english, "the parallel port ", device, " failed: ", reason, ".\nFix: ", LOST_FIX.english, ".");
    Add(message.russian, "Параллельный порт ", device, " перестал отвечать:\n", reason, ".\n\n",
        LOST_FIX.russian);
    return message;
}

// The library needs its kernel driver, which it installs on first use with
// administrator rights; Windows or another program may keep it from loading.
Trouble ClosedDriverRefusal(const char* libraryFile) {
    Trouble message = {};
    Add(message.english, "cannot open the port driver (", libraryFile,
        "). Run the program once as administrator.\n"
        "If that does not help, Windows or another program keeps the driver from loading: memory integrity "
        "or the vulnerable driver blocklist, an antivirus's quarantine, or a game's anti-cheat service.");
    Add(message.russian, "Не удалось открыть драйвер порта (", libraryFile,
        ").\n"
        "Запустите программу один раз от имени администратора.\n\n"
        "Если это не помогает, драйвер не даёт загрузить сама Windows или другая программа:\n"
        "• «Целостность памяти» (Безопасность Windows → Безопасность устройства → Изоляция ядра) "
        "или список заблокированных уязвимых драйверов: отключите их;\n"
        "• антивирус поместил драйвер в карантин: восстановите его и добавьте в исключения;\n"
        "• службы защиты от читов в играх: остановите их или удалите.");
    return message;
}

void NamePorts(NamedPorts* named, const ChosenPort& taken, const FoundPort* found, int count,
               const PortWords& words) {
    named->where[0] = named->others[0] = '\0';
    for (int i = 0; i < count; ++i) {
        const FoundPort& port = found[i];
        if (strcmp(port.name, taken.name) == 0 || (taken.base != 0 && port.base == taken.base)) {
            AddPort(named->where, sizeof named->where, port.name, port.base, words);
            continue;
        }
        Add(named->others, named->others[0] == '\0' ? "--port " : ", --port ");
        AddPort(named->others, sizeof named->others, port.name, port.base, words);
    }
    // Not listed: a base as given, or a device by its path alone.
    if (named->where[0] != '\0') return;
    if (taken.base != 0)
        AddPort(named->where, sizeof named->where, "", taken.base, words);
    else
        Add(named->where, taken.name);
}

#include "port_refusal.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "port_trouble.h"
#include "utf8_text.h"

// Wide formats take only %ls and numbers: Windows' C library reads a wide
// format's %s as wide text, glibc as bytes.

const PortWords WINDOWS_PORT_WORDS = {
    "LPT3",
    "D010",
    "%04X",  // as Device Manager shows it
    {"Windows lists no parallel port (LPT).", L"Windows не нашла ни одного параллельного порта (LPT)."},
    {"Windows lists no parallel port on this computer.",
     L"Windows не нашла на этом компьютере ни одного параллельного порта."},
};

static constexpr PortText KERNEL_HAS_NONE = {"The kernel has no parallel port.",
                                             L"Ядро не нашло ни одного параллельного порта."};
const PortWords LINUX_PORT_WORDS = {"/dev/parport1", "0x278", "0x%X", KERNEL_HAS_NONE, KERNEL_HAS_NONE};

const PortText WINDOWS_NAMING_A_PORT = {
    "\n\nName a port Windows does not show by its address when starting the program, for example:\n"
    "    kalderon-test.exe --port D010\n"
    "The address is the start of its first I/O range: Device Manager, Ports (COM & LPT), the port, Resources.",
    L"\n\nПорт, которого Windows не показывает, указывают его адресом при запуске программы, например:\n"
    L"    kalderon-test.exe --port D010\n"
    L"Адрес — начало первого диапазона ввода-вывода: Диспетчер устройств → Порты (COM и LPT) → "
    L"порт → Ресурсы."};

const PortText LINUX_USB_ADAPTER = {
    "\nA USB-to-parallel adapter (/dev/usb/lp*) cannot drive the board: it is a printer interface, not a port.",
    L"\nUSB-адаптер параллельного порта (/dev/usb/lp*) не может управлять платой: это интерфейс "
    L"принтера, а не порт."};

// Why a device cannot be opened and claimed, and what to do.
static PortText FixFor(int error) {
    switch (error) {
    case ENOENT:
        return {"there is no parallel port, or the modules parport_pc and ppdev are not loaded "
                "(sudo modprobe parport_pc ppdev)",
                L"Параллельного порта нет, или не загружены модули parport_pc и ppdev "
                L"(sudo modprobe parport_pc ppdev)."};
    case EACCES:
    case EPERM:
        return {"add your user to the group lp (sudo adduser $USER lp) and log in again",
                L"Нет прав на порт: добавьте пользователя в группу lp (sudo adduser $USER lp) "
                L"и войдите в систему заново."};
    case ENXIO:
    case EBUSY:
        return {"the port is in use, by the lp module (sudo rmmod lp) or by another program",
                L"Порт занят модулем lp (sudo rmmod lp) или другой программой."};
    case ENOTTY:
        return {"this device is not a parallel port", L"Это устройство не параллельный порт."};
    default:
        return {"check that the parallel port is present and free", L"Проверьте, что параллельный порт есть и свободен."};
    }
}

// Once claimed, a port fails only because it went away.
static const PortText LOST_FIX = {
    "the port went away (a card removed, an adapter unplugged or the driver unloaded); "
    "reconnect it and start the program again",
    L"Порт пропал: плата вынута, адаптер отключён или драйвер выгружен. "
    L"Подключите его снова и запустите программу заново."};

// The message being written, appended to in both languages.
static constexpr size_t TEXT_MAX = 2048;
static char g_english[TEXT_MAX];
static wchar_t g_russian[TEXT_MAX];

static void English(const char* format, ...) {
    const size_t used = strlen(g_english);
    va_list args;
    va_start(args, format);
    vsnprintf(g_english + used, TEXT_MAX - used, format, args);
    va_end(args);
}

static void Russian(const wchar_t* format, ...) {
    const size_t used = wcslen(g_russian);
    va_list args;
    va_start(args, format);
    // A message too long for the box is cut, not lost.
    if (vswprintf(g_russian + used, TEXT_MAX - used, format, args) < 0) g_russian[TEXT_MAX - 1] = L'\0';
    va_end(args);
}

// Bytes (a path, an argument, a system message) as text for the box.
struct Wide {
    wchar_t text[512];
};

static Wide Widen(const char* bytes) {
    Wide wide;
    WidenUtf8(bytes, wide.text, sizeof wide.text / sizeof wide.text[0]);
    return wide;
}

static void Said(const PortText& text) {
    English("%s", text.english);
    Russian(L"%ls", text.russian);
}

// "Parallel ports here: LPT1 (0378), LPT3 (D010).", or that there is none;
// then the advice.
static void SayFound(const FoundPort* found, int count, const PortWords& words, const PortText* advice) {
    if (count == 0) {
        Said(words.noneFound);
    } else {
        char listed[TEXT_MAX / 2] = "";
        size_t used = 0;
        for (int i = 0; i < count && used < sizeof listed; ++i) {
            char base[16];
            snprintf(base, sizeof base, words.baseFormat, found[i].base);
            used += size_t(snprintf(listed + used, sizeof listed - used, "%s%s (%s)", i == 0 ? "" : ", ",
                                    found[i].name, base));
        }
        English("Parallel ports here: %s.", listed);
        Russian(L"Параллельные порты этого компьютера: %ls.", Widen(listed).text);
    }
    if (advice != nullptr) Said(*advice);
}

static void StartMessage() {
    g_english[0] = '\0';
    g_russian[0] = L'\0';
}

static PortText Message() { return {g_english, g_russian}; }

void RefusePort(const PortText& said) {
    fprintf(stderr, "kalderon-test: %s\n", said.english);
    ShowPortTrouble(said.russian);
    exit(1);
}

PortText ChoiceRefusal(const PortArgument& asked, const FoundPort* found, int count, const PortWords& words,
                       const PortText* advice) {
    StartMessage();
    if (asked.kind == PortAsked::Default && count == 0) {
        Said(words.noPort);
        if (advice != nullptr) Said(*advice);
        return Message();
    }
    English("\"%s\" is not a parallel port here.\nName a port as --port %s or by its base, --port %s.\n", asked.given,
            words.exampleName, words.exampleBase);
    Russian(L"Порт «%ls» не найден или это не порт.\nУкажите порт так: --port %ls или --port %ls.\n\n",
            Widen(asked.given).text, Widen(words.exampleName).text, Widen(words.exampleBase).text);
    SayFound(found, count, words, advice);
    return Message();
}

PortText OpeningRefusal(const char* device, int error, const FoundPort* found, int count, const PortWords& words,
                        const PortText* advice) {
    const char* reason = strerror(error);
    const PortText fix = FixFor(error);
    StartMessage();
    English("cannot use the parallel port %s: %s.\nFix: %s.\n", device, reason, fix.english);
    Russian(L"Не удалось открыть параллельный порт %ls:\n%ls.\n\n%ls\n\n", Widen(device).text, Widen(reason).text,
            fix.russian);
    SayFound(found, count, words, advice);
    return Message();
}

PortText LostPortRefusal(const char* device, int error) {
    const char* reason = strerror(error);
    StartMessage();
    English("the parallel port %s failed: %s.\nFix: %s.", device, reason, LOST_FIX.english);
    Russian(L"Параллельный порт %ls перестал отвечать:\n%ls.\n\n%ls", Widen(device).text, Widen(reason).text,
            LOST_FIX.russian);
    return Message();
}

// The library needs its kernel driver, which it installs on first use with
// administrator rights; Windows or another program may keep it from loading.
PortText ClosedDriverRefusal(const char* libraryFile) {
    StartMessage();
    English("cannot open the port driver (%s). Run the program once as administrator.\n"
            "If that does not help, Windows or another program keeps the driver from loading: memory integrity "
            "or the vulnerable driver blocklist, an antivirus's quarantine, or a game's anti-cheat service.",
            libraryFile);
    Russian(L"Не удалось открыть драйвер порта (%ls).\n"
            L"Запустите программу один раз от имени администратора.\n\n"
            L"Если это не помогает, драйвер не даёт загрузить сама Windows или другая программа:\n"
            L"• «Целостность памяти» (Безопасность Windows → Безопасность устройства → Изоляция ядра) "
            L"или список заблокированных уязвимых драйверов: отключите их;\n"
            L"• антивирус поместил драйвер в карантин: восстановите его и добавьте в исключения;\n"
            L"• службы защиты от читов в играх: остановите их или удалите.",
            Widen(libraryFile).text);
    return Message();
}

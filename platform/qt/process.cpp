// The process and module functions: one module, the program itself, and the
// application object Qt needs before any window.
#include <QApplication>

#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "window_handle.h"

struct ModuleHandle {};
static ModuleHandle g_module;

HMODULE GetModuleHandleW(LPCWSTR name) { return name == nullptr ? &g_module : nullptr; }

int __argc = 0;
char** __argv = nullptr;

static bool HaveDisplay() {
    const char* x11 = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    const char* platform = getenv("QT_QPA_PLATFORM");
    const bool elsewhere = platform != nullptr && *platform != '\0' && strncmp(platform, "xcb", 3) != 0 &&
                           strncmp(platform, "wayland", 7) != 0;  // offscreen, vnc: a display of Qt's own
    return elsewhere || (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// A display named but out of reach: Qt would end the program with a page of
// its plugin loader's findings and an abort. Said in one line instead.
static void DisplayOutOfReach(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;  // the loader's findings on the way
    fprintf(stderr, "%s: the display cannot be opened.\n", program_invocation_short_name);
    // Qt is half made: nothing of it may run on the way out.
    fflush(nullptr);
    _exit(1);
}

// Qt names each window to X twice: _NET_WM_NAME in UTF-8, and WM_NAME, which
// Xlib builds from the title's UTF-8 bytes as the C library's character type
// reads them. With no locale, C or any other that is not UTF-8, WM_NAME is
// then those bytes in Latin-1 or the like, and whatever finds a window by
// WM_NAME misses a title out of ASCII. A Win32 program's titles are Unicode
// whatever the locale: the character type alone is made UTF-8, the rest left
// as the user set it. Only once Qt is up, as Qt sets the whole locale from
// the environment when it starts.
static void UnicodeTitles() {
    if (strcmp(nl_langinfo(CODESET), "UTF-8") != 0) setlocale(LC_CTYPE, "C.UTF-8");
}

// Qt takes no command line of the program's.
bool EnsureApplication() {
    static int argc = 1;
    static char* argv[] = {program_invocation_short_name, nullptr};
    if (QApplication::instance() != nullptr) return true;
    if (!HaveDisplay()) return false;
    const QtMessageHandler before = qInstallMessageHandler(DisplayOutOfReach);
    new QApplication(argc, argv);
    qInstallMessageHandler(before);
    UnicodeTitles();
    return true;
}

// number * numerator / denominator, rounded half away from zero, as the
// dialog manager converts dialog units; -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    long long product = static_cast<long long>(number) * numerator;
    long long divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const long long half = divisor / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / divisor);
}

void ExitProcess(UINT code) {
    fflush(nullptr);
    std::exit(int(code));
}

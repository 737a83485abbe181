// The process and module functions: one module, the program itself, and the
// application object Qt needs before any window.
#include <QApplication>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "window_handle.h"

struct ModuleHandle {};
static ModuleHandle g_module;

HMODULE GetModuleHandleW(LPCWSTR name) { return name == nullptr ? &g_module : nullptr; }

// Qt ends a program it finds no display for with a page of its plugin
// loader's findings and an abort. Said in one line instead, with what to do.
static void NoDisplay(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;  // the loader's findings on the way
    fprintf(stderr,
            "%s: no display to open the panel on. Start it in a desktop session, or with make run, which "
            "starts a virtual display; over ssh, use ssh -X.\n",
            program_invocation_short_name);
    // Qt is half made: nothing of it may run on the way out.
    fflush(nullptr);
    _exit(1);
}

// Qt takes no command line of the program's: the port library reads that.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "kalderon-test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr) return;
    const QtMessageHandler before = qInstallMessageHandler(NoDisplay);
    new QApplication(argc, argv);
    qInstallMessageHandler(before);
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

// The process and module functions: one module, the program itself, and the
// application object Qt needs before any window.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "window_handle.h"

struct ModuleHandle {};
static ModuleHandle g_module;

HMODULE GetModuleHandleW(LPCWSTR name) { return name == nullptr ? &g_module : nullptr; }

// Qt takes no command line of the program's: the port library reads that.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "kalderon-test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
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

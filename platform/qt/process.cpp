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

void ExitProcess(UINT code) {
    fflush(nullptr);
    std::exit(int(code));
}

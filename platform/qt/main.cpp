// Linux entry: the panel's own wWinMain does the rest, as on Windows.
#include "windows.h"

int main() {
    wchar_t noCommandLine[] = L"";
    return wWinMain(GetModuleHandleW(nullptr), nullptr, noCommandLine, 1);
}

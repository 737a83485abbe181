// Linux: paths are UTF-8, and the program's ShowPortTrouble shows the box
// (the real-port program's, through the panel's platform layer).
#include <cstdlib>

#include "port_trouble.h"
#include "sim_board.h"
#include "utf8_text.h"

void WidenPath(const char* bytes, wchar_t* out, size_t size) { WidenUtf8(bytes, out, size); }

void TraceTrouble(const wchar_t* text) {
    ShowPortTrouble(text);
    exit(1);
}

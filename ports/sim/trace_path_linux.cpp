// Linux: a path from the environment is UTF-8.
#include "sim_board.h"
#include "utf8_text.h"

void WidenPath(const char* bytes, wchar_t* out, size_t size) { WidenUtf8(bytes, out, size); }

// Bytes the operator gave (a path, an argument) as text for a wide-character
// message: UTF-8 decoded by hand, since swprintf's %s would need a UTF-8
// locale the programs never set. A byte that is not UTF-8 shows as '?'.
#pragma once

#include <cstddef>

void WidenUtf8(const char* bytes, wchar_t* out, size_t size);

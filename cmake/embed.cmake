# Writes the bytes of INPUT as a C++ array named EmbeddedResources into OUTPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}: do not edit.\n#include <cstddef>\nextern const unsigned char EmbeddedResources[] = {\n${bytes}\n};\nextern const size_t EmbeddedResourcesSize = ${size};\n")

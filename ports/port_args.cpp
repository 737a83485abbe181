#include "port_args.h"

#include <cstring>

static const char PORT_OPTION[] = "--port";

static bool IsSpace(char c) { return c == ' ' || c == '\t'; }

static const char* SkipSpaces(const char* at) {
    while (IsSpace(*at)) ++at;
    return at;
}

static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A hex port number with an optional 0x; at least one digit and no more
// than the highest port. Moves *at past it.
static bool ReadHex(const char** at, uint32_t* value) {
    const char* p = *at;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) p += 2;
    uint32_t v = 0;
    const char* digits = p;
    for (int d; (d = HexDigit(*p)) >= 0; ++p) {
        v = v * 16 + uint32_t(d);
        if (v > PORT_NUMBER_MAX) return false;
    }
    if (p == digits) return false;
    *at = p;
    *value = v;
    return true;
}

// LPT1 to LPT255, in any case, as Windows names its ports.
static bool ReadLpt(const char* value, uint32_t* n) {
    if (strncmp(value, "LPT", 3) != 0 && strncmp(value, "lpt", 3) != 0) return false;
    uint32_t number = 0;
    const char* p = value + 3;
    for (; *p >= '0' && *p <= '9' && number <= 255; ++p) number = number * 10 + uint32_t(*p - '0');
    if (p == value + 3 || *p != '\0' || number < 1 || number > 255) return false;
    *n = number;
    return true;
}

// A base, alone or as the start of a range "D010-D017" (spaces allowed
// around the dash, as Device Manager writes it). Port 0 is no port.
static bool ReadBase(const char* value, uint32_t* base) {
    const char* p = SkipSpaces(value);
    uint32_t start = 0, end = 0;
    if (!ReadHex(&p, &start) || start == 0 || start > PORT_BASE_MAX) return false;
    p = SkipSpaces(p);
    if (*p == '-') {
        p = SkipSpaces(p + 1);
        if (!ReadHex(&p, &end) || end < start) return false;
        p = SkipSpaces(p);
    }
    if (*p != '\0') return false;
    *base = start;
    return true;
}

static PortArgument ReadValue(const char* value) {
    PortArgument asked = {PortAsked::Wrong, 0, value};
    if (value[0] == '/') asked.kind = PortAsked::Device;
    else if (ReadLpt(value, &asked.number)) asked.kind = PortAsked::Lpt;
    else if (ReadBase(value, &asked.number)) asked.kind = PortAsked::Base;
    return asked;
}

PortArgument ReadPortArgument(int count, const char* const* args) {
    if (count == 0) return {PortAsked::Default, 0, ""};
    const size_t optionLength = sizeof PORT_OPTION - 1;
    const char* first = args[0];
    if (strcmp(first, PORT_OPTION) == 0) {
        if (count != 2) return {PortAsked::Wrong, 0, count == 1 ? first : args[2]};
        return ReadValue(args[1]);
    }
    if (strncmp(first, PORT_OPTION, optionLength) == 0 && first[optionLength] == '=') {
        if (count != 1) return {PortAsked::Wrong, 0, args[1]};
        return ReadValue(first + optionLength + 1);
    }
    return {PortAsked::Wrong, 0, first};
}

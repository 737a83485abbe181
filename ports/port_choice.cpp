#include "port_choice.h"

#include <cstring>

#include "text.h"

static constexpr uint32_t LPT_NUMBER_MAX = 255;

static bool IsSpace(char c) { return c == ' ' || c == '\t'; }

static const char* SkipSpaces(const char* at) {
    while (IsSpace(*at)) ++at;
    return at;
}

// A hex port number with an optional 0x, no more than the highest port.
static bool ReadHex(const char** at, uint32_t* value) { return ReadNumber(at, NumberForm::Hex, PORT_NUMBER_MAX, value); }

// A base, alone or as the start of a range "D010-D017" (spaces allowed
// around the dash, as Device Manager writes it). A base alone is taken to
// hold the three ports; a range must.
static bool ReadBase(const char* value, uint32_t* base) {
    const char* p = SkipSpaces(value);
    uint32_t start = 0, end = 0;
    if (!ReadHex(&p, &start)) return false;
    p = SkipSpaces(p);
    uint64_t length = LPT_PORT_COUNT;
    if (*p == '-') {
        p = SkipSpaces(p + 1);
        if (!ReadHex(&p, &end) || end < start) return false;
        p = SkipSpaces(p);
        length = uint64_t(end) - start + 1;
    }
    if (*p != '\0' || !PortRangeFits(start, length)) return false;
    *base = start;
    return true;
}

PortArgument ReadPortValue(const char* value) {
    uint32_t base = 0;
    if (value == nullptr) return {PortAsked::Default, 0, ""};
    if (value[0] == '/') return {PortAsked::Device, 0, value};
    if (const uint32_t lpt = LptNumberOf(value)) return {PortAsked::Lpt, lpt, value};
    if (ReadBase(value, &base)) return {PortAsked::Base, base, value};
    return {PortAsked::Wrong, 0, value};
}

bool PortRangeFits(uint64_t start, uint64_t length) {
    return start != 0 && length >= LPT_PORT_COUNT && start <= PORT_NUMBER_MAX - (LPT_PORT_COUNT - 1);
}

// As Windows names its ports, in either case the operator may type.
uint32_t LptNumberOf(const char* name) {
    if (strncmp(name, "LPT", 3) != 0 && strncmp(name, "lpt", 3) != 0) return 0;
    uint32_t number = 0;
    return ReadWholeNumber(name + 3, NumberForm::Decimal, LPT_NUMBER_MAX, &number) ? number : 0;
}

// The number a port's name ends in: 3 of LPT3, 1 of /dev/parport1.
static uint32_t NumberOf(const char* name) {
    const char* digits = name + strlen(name);
    while (digits > name && digits[-1] >= '0' && digits[-1] <= '9') --digits;
    uint32_t number = 0;
    ReadNumber(&digits, NumberForm::Decimal, UINT32_MAX, &number);
    return number;
}

int AddFoundPort(FoundPort* ports, int count, const char* name, uint32_t base) {
    if (count >= FOUND_PORTS_MAX) return count;
    int at = count;
    for (; at > 0 && NumberOf(ports[at - 1].name) > NumberOf(name); --at) ports[at] = ports[at - 1];
    ports[at].name[0] = '\0';
    Add(ports[at].name, name);
    ports[at].base = base;
    return count + 1;
}

static bool Named(const PortArgument& asked, const FoundPort& port) {
    switch (asked.kind) {
    case PortAsked::Lpt: return LptNumberOf(port.name) == asked.number;
    case PortAsked::Base: return port.base == asked.number;
    case PortAsked::Device: return strcmp(port.name, asked.given) == 0;
    default: return false;
    }
}

ChosenPort ChoosePort(const PortArgument& asked, const FoundPort* found, int count, const PortReach& reach) {
    // The platform's first port, as if the operator had named it.
    if (asked.kind == PortAsked::Default && reach.firstPort != nullptr)
        return ChoosePort({PortAsked::Device, 0, reach.firstPort}, found, count, reach);
    if (asked.kind == PortAsked::Default) return count > 0 ? ChosenPort{found[0].name, found[0].base} : ChosenPort{};
    for (int i = 0; i < count; ++i)
        if (Named(asked, found[i])) return {found[i].name, found[i].base};
    if (asked.kind == PortAsked::Base && reach.anyBase) return {asked.given, asked.number};
    if (asked.kind == PortAsked::Device && reach.anyDevice) return {asked.given, 0};
    return {nullptr, 0};
}

#include "lpt_rules.h"

uint32_t LptNumberOf(const wchar_t* name) {
    if (name[0] != L'L' || name[1] != L'P' || name[2] != L'T') return 0;
    uint32_t n = 0;
    const wchar_t* p = name + 3;
    for (; *p >= L'0' && *p <= L'9' && n < 1000; ++p) n = n * 10 + uint32_t(*p - L'0');
    return (p == name + 3 || *p != L'\0') ? 0 : n;
}

// The registry keeps the kernel's CM_RESOURCE_LIST as it is: a count of full
// descriptors, each a 16-byte head (interface type, bus number, version,
// revision, count of partials) and its partial descriptors (type, share,
// flags, then the resource). A partial is 16 bytes on 32-bit Windows and 20
// on 64-bit (an interrupt's affinity is pointer-sized), and a 32-bit program
// on 64-bit Windows reads the 64-bit layout: the list's own sizes tell which.
static constexpr size_t FULL_HEAD_SIZE = 16;
static constexpr size_t PARTIAL_COUNT_AT = 12;
static constexpr size_t PARTIAL_SIZES[] = {16, 20};
static constexpr uint8_t RESOURCE_TYPE_PORT = 1;
static constexpr uint8_t RESOURCE_TYPE_DEVICE_SPECIFIC = 5;
static constexpr size_t RESOURCE_AT = 4;       // every layout: after type, share, flags
static constexpr size_t PORT_LENGTH_AT = 12;  // after a 64-bit start address

static uint32_t Little32(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

// A port range the program can use: all three ports below 0x10000.
static bool UsableRange(const uint8_t* partial, uint16_t* base) {
    const uint32_t startLow = Little32(partial + RESOURCE_AT);
    const uint32_t startHigh = Little32(partial + RESOURCE_AT + 4);
    const uint32_t length = Little32(partial + PORT_LENGTH_AT);
    if (startHigh != 0 || startLow > 0xFFFF - (LPT_PORT_COUNT - 1) || length < LPT_PORT_COUNT) return false;
    *base = uint16_t(startLow);
    return true;
}

// Walks the list with one partial size; true when that size accounts for
// every byte of it. *found tells whether a usable range came first.
static bool WalkList(const uint8_t* list, size_t size, size_t partialSize, uint16_t* base, bool* found) {
    *found = false;
    if (size < 4) return false;
    const uint32_t fullCount = Little32(list);
    size_t at = 4;
    for (uint32_t full = 0; full < fullCount; ++full) {
        if (size - at < FULL_HEAD_SIZE) return false;
        const uint32_t partialCount = Little32(list + at + PARTIAL_COUNT_AT);
        at += FULL_HEAD_SIZE;
        for (uint32_t i = 0; i < partialCount; ++i) {
            if (size - at < partialSize) return false;
            const uint8_t* partial = list + at;
            at += partialSize;
            // Device-specific data follows its descriptor; its size is the
            // resource's first field.
            if (partial[0] == RESOURCE_TYPE_DEVICE_SPECIFIC) {
                const uint32_t extra = Little32(partial + RESOURCE_AT);
                if (size - at < extra) return false;
                at += extra;
            }
            if (!*found && partial[0] == RESOURCE_TYPE_PORT) *found = UsableRange(partial, base);
        }
    }
    return at == size;
}

bool FirstPortRange(const uint8_t* list, size_t size, uint16_t* base) {
    for (const size_t partialSize : PARTIAL_SIZES) {
        bool found = false;
        if (WalkList(list, size, partialSize, base, &found)) return found;
    }
    return false;
}

int LowestLpt(const ListedPort* ports, int count) {
    int lowest = -1;
    for (int i = 0; i < count; ++i)
        if (lowest < 0 || ports[i].lpt < ports[lowest].lpt) lowest = i;
    return lowest;
}

int FindLpt(const ListedPort* ports, int count, uint32_t lpt) {
    for (int i = 0; i < count; ++i)
        if (ports[i].lpt == lpt) return i;
    return -1;
}

#include "alloc_config.h"

#include "port_choice.h"

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

static bool UsableRange(const uint8_t* partial, uint16_t* base) {
    const uint64_t start = Little32(partial + RESOURCE_AT) | uint64_t(Little32(partial + RESOURCE_AT + 4)) << 32;
    if (!PortRangeFits(start, Little32(partial + PORT_LENGTH_AT))) return false;
    *base = uint16_t(start);
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

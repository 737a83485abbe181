#include "resources.h"

// A .res file is a run of entries, each a header and its data, both padded
// to 4 bytes. Type and name are either 0xFFFF and a number, or a string.

// Reads a numeric type or name at *p and moves past it; strings never match.
static bool ReadOrdinal(const unsigned char*& p, const unsigned char* end, uint16_t* value) {
    if (p + 4 <= end && ReadU16(p) == 0xFFFF) {
        *value = ReadU16(p + 2);
        p += 4;
        return true;
    }
    while (p + 2 <= end && ReadU16(p) != 0) p += 2;
    p += 2;
    return false;
}

static size_t Align4(size_t n) { return (n + 3) & ~size_t(3); }

ResourceData FindResourceData(uint16_t type, uint16_t id) {
    const unsigned char* entry = EmbeddedResources;
    const unsigned char* const end = EmbeddedResources + EmbeddedResourcesSize;
    while (entry + 8 <= end) {
        const uint32_t dataSize = ReadU32(entry);
        const uint32_t headerSize = ReadU32(entry + 4);
        if (headerSize < 8 || entry + headerSize + dataSize > end) break;
        const unsigned char* p = entry + 8;
        uint16_t entryType = 0, entryId = 0;
        const bool typeIsNumber = ReadOrdinal(p, entry + headerSize, &entryType);
        const bool idIsNumber = ReadOrdinal(p, entry + headerSize, &entryId);
        if (typeIsNumber && idIsNumber && entryType == type && entryId == id)
            return {entry + headerSize, dataSize};
        entry += Align4(headerSize + Align4(dataSize));
    }
    return {nullptr, 0};
}

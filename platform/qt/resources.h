// The program's compiled resource script (.res), embedded at build time, and
// lookup in it by type and id, as the Windows loader does from the .exe.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint16_t RESOURCE_ICON = 3;
constexpr uint16_t RESOURCE_DIALOG = 5;
constexpr uint16_t RESOURCE_GROUP_ICON = 14;

// Generated from the .res by the build.
extern const unsigned char EmbeddedResources[];
extern const size_t EmbeddedResourcesSize;

// Resource data is little-endian, whatever the host.
inline uint16_t ReadU16(const unsigned char* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t ReadU32(const unsigned char* p) { return ReadU16(p) | (uint32_t(ReadU16(p + 2)) << 16); }

struct ResourceData {
    const unsigned char* data;  // null when there is no such resource
    size_t size;
};

// The resource of this type with this numeric id, in any language.
ResourceData FindResourceData(uint16_t type, uint16_t id);

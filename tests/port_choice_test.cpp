// How the port is chosen: what --port may say, and which of the ports
// Windows lists the program takes. Both are free of platform headers, so the
// rules are pinned here and the Wine suite proves them on a live registry.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "inpout32/lpt_rules.h"
#include "port_args.h"

namespace {

struct ArgumentCase {
    std::vector<const char*> args;
    PortAsked kind;
    uint32_t number;
    const char* given;
};

TEST(PortArgument, ReadsWhatTheOperatorSaid) {
    const ArgumentCase cases[] = {
        {{}, PortAsked::Default, 0, ""},
        {{"--port", "LPT3"}, PortAsked::Lpt, 3, "LPT3"},
        {{"--port=lpt12"}, PortAsked::Lpt, 12, "lpt12"},
        {{"--port", "D010"}, PortAsked::Base, 0xD010, "D010"},
        {{"--port", "0xd010"}, PortAsked::Base, 0xD010, "0xd010"},
        {{"--port=D010-D017"}, PortAsked::Base, 0xD010, "D010-D017"},
        {{"--port", "0378 - 037F"}, PortAsked::Base, 0x378, "0378 - 037F"},
        {{"--port", "FFFD"}, PortAsked::Base, 0xFFFD, "FFFD"},  // the last base with three ports
        {{"--port", "/dev/parport1"}, PortAsked::Device, 0, "/dev/parport1"},
        {{"--port", "FFFE"}, PortAsked::Wrong, 0, "FFFE"},
        {{"--port", "10000"}, PortAsked::Wrong, 0, "10000"},
        {{"--port", "0"}, PortAsked::Wrong, 0, "0"},
        {{"--port", "D017-D010"}, PortAsked::Wrong, 0, "D017-D010"},
        {{"--port", "0x"}, PortAsked::Wrong, 0, "0x"},
        {{"--port", "xyz"}, PortAsked::Wrong, 0, "xyz"},
        {{"--port", "LPT0"}, PortAsked::Wrong, 0, "LPT0"},
        {{"--port", "LPT"}, PortAsked::Wrong, 0, "LPT"},
        {{"--port="}, PortAsked::Wrong, 0, ""},
        {{"--port"}, PortAsked::Wrong, 0, "--port"},
        {{"--port", "LPT1", "extra"}, PortAsked::Wrong, 0, "extra"},
        {{"--portal"}, PortAsked::Wrong, 0, "--portal"},
    };
    for (const ArgumentCase& c : cases) {
        const PortArgument asked = ReadPortArgument(int(c.args.size()), c.args.data());
        const std::string said = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(asked.kind, c.kind) << said;
        EXPECT_EQ(asked.number, c.number) << said;
        EXPECT_STREQ(asked.given, c.given) << said;
    }
}

// A REG_RESOURCE_LIST as the registry keeps it, with partial descriptors of
// the given size (16 on 32-bit Windows, 20 on 64-bit).
struct Resource {
    uint8_t type;
    uint64_t start;  // port: start; device-specific: the size of its data
    uint32_t length;
};
constexpr uint8_t PORT = 1, INTERRUPT = 2, MEMORY = 3, DEVICE_SPECIFIC = 5;

std::vector<uint8_t> ResourceList(size_t partialSize, const std::vector<Resource>& resources) {
    std::vector<uint8_t> list(4 + 16);
    auto put32 = [](uint8_t* at, uint64_t v) { for (int i = 0; i < 4; ++i) at[i] = uint8_t(v >> (8 * i)); };
    put32(&list[0], 1);                 // one full descriptor
    put32(&list[4], 5);                 // PCI bus
    put32(&list[16], resources.size());
    for (const Resource& r : resources) {
        std::vector<uint8_t> partial(partialSize);
        partial[0] = r.type;
        put32(&partial[4], r.start);
        put32(&partial[8], r.start >> 32);
        put32(&partial[12], r.length);
        list.insert(list.end(), partial.begin(), partial.end());
        if (r.type == DEVICE_SPECIFIC) list.insert(list.end(), size_t(r.start), 0xAA);
    }
    return list;
}

struct RangeCase {
    const char* name;
    std::vector<Resource> resources;
    bool found;
    uint16_t base;
};

TEST(PortRange, TheFirstRangeOfThreePortsInTheOrderWindowsLists) {
    const RangeCase cases[] = {
        {"a card: its port, then its ECP block below it", {{PORT, 0xD010, 8}, {PORT, 0xD000, 8}}, true, 0xD010},
        {"onboard, after its interrupt", {{INTERRUPT, 7, 0}, {PORT, 0x378, 8}, {PORT, 0x778, 8}}, true, 0x378},
        {"a range too short to be the port is passed over", {{PORT, 0x3F0, 2}, {PORT, 0xE000, 3}}, true, 0xE000},
        {"after device-specific data", {{DEVICE_SPECIFIC, 12, 0}, {PORT, 0xCEF8, 8}}, true, 0xCEF8},
        {"memory is not a port", {{MEMORY, 0xD010, 8}}, false, 0},
        {"beyond the I/O space", {{PORT, 0x1D010, 8}, {PORT, 0xFFFE, 8}}, false, 0},
        {"no resources", {}, false, 0},
    };
    for (const size_t partialSize : {16, 20}) {
        for (const RangeCase& c : cases) {
            const std::vector<uint8_t> list = ResourceList(partialSize, c.resources);
            uint16_t base = 0;
            EXPECT_EQ(FirstPortRange(list.data(), list.size(), &base), c.found) << c.name << ", " << partialSize;
            if (c.found) {
                EXPECT_EQ(base, c.base) << c.name << ", " << partialSize;
            }
            // Cut short anywhere, a list gives nothing or the same base, never
            // another. (A 64-bit list cut where a 32-bit one would end reads as
            // that, and its first range is still where it was.)
            for (size_t cut = 0; cut < list.size(); ++cut) {
                base = 0;
                const bool found = FirstPortRange(list.data(), cut, &base);
                EXPECT_TRUE(!found || (c.found && base == c.base)) << c.name << " cut at " << cut;
            }
        }
    }
}

TEST(PortList, TheLowestLptNumberWinsWhateverTheOrder) {
    const ListedPort ports[] = {{3, 0xD010}, {1, 0x378}, {2, 0x278}};
    EXPECT_EQ(LowestLpt(ports, 3), 1);
    EXPECT_EQ(LowestLpt(ports, 1), 0);
    EXPECT_EQ(LowestLpt(ports, 0), -1);
    EXPECT_EQ(FindLpt(ports, 3, 2), 2);
    EXPECT_EQ(FindLpt(ports, 3, 4), -1);
    const struct {
        const wchar_t* name;
        uint32_t lpt;
    } names[] = {{L"LPT1", 1}, {L"LPT12", 12}, {L"COM1", 0}, {L"LPT", 0}, {L"LPT1:", 0}, {L"", 0}};
    for (const auto& n : names) EXPECT_EQ(LptNumberOf(n.name), n.lpt);
}

}  // namespace

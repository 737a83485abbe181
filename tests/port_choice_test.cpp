// How the port is chosen: what --port may say, where Windows put a port,
// which of the ports a platform found the program takes, and what it says
// when it takes none. All free of platform headers, so the rules are pinned
// here for both platforms; the Wine suite and the qemu guest prove them on a
// live registry and live kernels.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "inpout32/alloc_config.h"
#include "inpout32/lpt_list.h"
#include "port_choice.h"
#include "port_refusal.h"
#include "text.h"
#include "ppdev/ppdev_port.h"

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
        {{"--port", "LPT255"}, PortAsked::Lpt, 255, "LPT255"},
        {{"--port", "LPT256"}, PortAsked::Wrong, 0, "LPT256"},
        {{"--port", "Lpt3"}, PortAsked::Wrong, 0, "Lpt3"},
        {{"--port", "D010-D011"}, PortAsked::Wrong, 0, "D010-D011"},  // too short to hold the port
        {{"--port", "/dev/parport1"}, PortAsked::Device, 0, "/dev/parport1"},
        {{"--port", "FFFE"}, PortAsked::Wrong, 0, "FFFE"},
        {{"--port", "10000"}, PortAsked::Wrong, 0, "10000"},
        {{"--port", "0"}, PortAsked::Wrong, 0, "0"},
        {{"--port", "D017-D010"}, PortAsked::Wrong, 0, "D017-D010"},
        {{"--port", "0x"}, PortAsked::Wrong, 0, "0x"},
        {{"--port", "xyz"}, PortAsked::Wrong, 0, "xyz"},
        {{"--port", "LPT0"}, PortAsked::Wrong, 0, "LPT0"},
        {{"--port", "LPT"}, PortAsked::Wrong, 0, "LPT"},
    };
    for (const ArgumentCase& c : cases) {
        const CommandLine line = ReadCommandLine(int(c.args.size()), c.args.data(), true);
        ASSERT_EQ(line.asked, ProgramAsked::Panel);
        const PortArgument asked = ReadPortValue(line.port);
        const std::string said = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(asked.kind, c.kind) << said;
        EXPECT_EQ(asked.number, c.number) << said;
        EXPECT_STREQ(asked.given, c.given) << said;
    }
}

// What the command line asks of the program, and the word at fault.
struct CommandLineCase {
    std::vector<const char*> args;
    const ProgramWords& program;
    ProgramAsked asked;
    UsageError error;
    const char* word;
};

const std::string LONG_WORD(WORD_BYTES_MAX + 1, 'x');

TEST(CommandLine, HelpVersionOrTheFirstWrongWord) {
    const CommandLineCase cases[] = {
        {{"--help"}, LINUX_PROGRAM, ProgramAsked::Help, UsageError::None, "--help"},
        {{"--port", "LPT1", "-h"}, WINDOWS_PROGRAM, ProgramAsked::Help, UsageError::None, "-h"},
        {{"/?"}, WINDOWS_PROGRAM, ProgramAsked::Help, UsageError::None, "/?"},
        {{"--version", "--bogus"}, LINUX_SIM_PROGRAM, ProgramAsked::Version, UsageError::None, "--version"},
        {{"--verbose", "--help"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::UnknownOption, "--verbose"},
        {{"--portal"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::UnknownOption, "--portal"},
        {{"--port", "0x378", "junk"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::StrayWord, "junk"},
        {{"--port"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::NoValue, "--port"},
        {{"--port="}, WINDOWS_PROGRAM, ProgramAsked::Wrong, UsageError::NoValue, "--port"},
        {{"--port", "LPT1", "--port=LPT2"}, WINDOWS_PROGRAM, ProgramAsked::Wrong, UsageError::GivenTwice, "--port"},
        {{"--port"}, LINUX_SIM_PROGRAM, ProgramAsked::Wrong, UsageError::NoPortNeeded, "--port"},
        {{"--run="}, LINUX_SIM_PROGRAM, ProgramAsked::Wrong, UsageError::NoValue, "--run"},
        {{"--run", "a", "--run", "b"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::GivenTwice, "--run"},
        {{"--run", LONG_WORD.c_str()}, WINDOWS_PROGRAM, ProgramAsked::Wrong, UsageError::TooLong, ""},
        // Every word is read, however many: the ninth decides here.
        {{"--port", "1", "--run", "a", "-h", "-h", "-h", "-h", "--bogus"}, LINUX_PROGRAM, ProgramAsked::Help,
         UsageError::None, "-h"},
        {{"--port=1", "--run=a", "b", "c", "d", "e", "f", "g", "h"}, LINUX_PROGRAM, ProgramAsked::Wrong,
         UsageError::StrayWord, "b"},
        {{"--record", "s.txt", "--run", "s.txt"}, LINUX_SIM_PROGRAM, ProgramAsked::Wrong, UsageError::RecordAndRun,
         "--record"},
        {{"--record=a", "--record=b"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::GivenTwice, "--record"},
        {{"--check", "--run", "s.txt"}, LINUX_PROGRAM, ProgramAsked::Wrong, UsageError::CheckAndMore, "--run"},
        {{"--record", "s.txt", "--check"}, WINDOWS_PROGRAM, ProgramAsked::Wrong, UsageError::CheckAndMore, "--record"},
        {{"--check", "--check"}, LINUX_SIM_PROGRAM, ProgramAsked::Wrong, UsageError::GivenTwice, "--check"},
    };
    for (const CommandLineCase& c : cases) {
        // The simulated board's library takes no port.
        const CommandLine line = ReadCommandLine(int(c.args.size()), c.args.data(), &c.program != &LINUX_SIM_PROGRAM);
        EXPECT_EQ(line.asked, c.asked) << c.args.back();
        EXPECT_EQ(line.error, c.error) << c.args.back();
        EXPECT_STREQ(line.word, c.word) << c.args.back();
    }
    // Asked for anywhere, a script makes the run a script's, which opens no box.
    const char* const lateRun[] = {"--port", "x", "--run"};
    EXPECT_NE(ReadCommandLine(3, lateRun, false).script, nullptr);
    const char* const junk[] = {"--port", "0x378", "junk"};
    EXPECT_STREQ(CommandLineAnswer(ReadCommandLine(3, junk, true), LINUX_PROGRAM).text,
                 "unexpected word \"junk\"\n"
                 "Usage: kalderon-test [--port PORT] [--check | --run FILE | --record FILE]\n"
                 "More: kalderon-test --help\n");
    const char* const tooLong[] = {LONG_WORD.c_str()};
    EXPECT_STREQ(CommandLineAnswer(ReadCommandLine(1, tooLong, true), WINDOWS_PROGRAM).text,
                 "Слово длиннее 1023 байт.\n"
                 "Запуск: kalderon-test.exe [--port ПОРТ] [--check | --run ФАЙЛ | --record ФАЙЛ]\n"
                 "Справка: kalderon-test.exe --help\n");
}

// The one UTF-8 codec, both ways: each piece that is not UTF-8 is one '?',
// and the text goes on after it.
struct Utf8Case {
    const char* bytes;
    const wchar_t* wide;
};

TEST(Text, BytesThatAreNotUtf8ShowAsOneQuestionMarkEachAndNeverCutTheText) {
    const Utf8Case cases[] = {
        {"ab\xC0\x80" "cd", L"ab??cd"},                  // an overlong NUL: two bytes that start nothing
        {"\xE0\x80\xAF.", L"???."},                       // an overlong three-byte form
        {"\xF7\xBF\xBF\xBF", L"????"},                   // beyond U+10FFFF
        {"\xF4\x90\x80\x80", L"????"},                   // U+110000
        {"\xED\xA0\x80x", L"???x"},                       // a surrogate
        {"\xE2\x82x\xE2", L"?x?"},                        // a cut sequence, one '?' each
        {"\xD0\x9F\xE2\x82\xAC\xF0\x9D\x84\x9E", L"П€\U0001D11E"},  // two, three and four bytes
    };
    for (const Utf8Case& c : cases) {
        wchar_t wide[16] = L"";
        WidenUtf8(c.bytes, wide, 16);
        EXPECT_EQ(std::wstring(wide), std::wstring(c.wide)) << c.bytes;
    }
    char narrow[16] = "";
    const wchar_t loneSurrogate[] = {L'a', wchar_t(0xDC00), L'b', 0};
    NarrowToUtf8(loneSurrogate, narrow, sizeof narrow);
    EXPECT_STREQ(narrow, "a?b");
    NarrowToUtf8(L"П€\U0001D11E", narrow, sizeof narrow);
    EXPECT_STREQ(narrow, "\xD0\x9F\xE2\x82\xAC\xF0\x9D\x84\x9E");
}

// Plain digits only, 64 bits' worth: a soak's count of checks passes 2^32.
TEST(Text, DecimalDigitsPlainAndWhole) {
    const std::pair<uint64_t, const char*> cases[] = {
        {0, "0"}, {7, "7"}, {10, "10"}, {99999, "99999"}, {4294967296u, "4294967296"},
        {UINT64_MAX, "18446744073709551615"},
    };
    for (const auto& c : cases) EXPECT_STREQ(DecimalDigits(c.first).text, c.second);
    static_assert(DecimalDigits(1023).text[3] == '3', "made as the program is compiled");
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

const PortReach& WINDOWS = WINDOWS_REACH;
const PortReach& LINUX = KERNEL_REACH;
const std::vector<FoundPort> WINDOWS_FOUND = {{"LPT1", 0x378}, {"LPT3", 0xD010}};
const std::vector<FoundPort> KERNEL_FOUND = {{"/dev/parport0", 0x378}, {"/dev/parport1", 0x278}};

struct ChoiceCase {
    const char* said;
    const PortReach& reach;
    const std::vector<FoundPort>& found;
    const char* name;  // null: refused
    uint32_t base;
    const char* where = nullptr;  // as a check and a script name it, and the others listed
    const char* others = nullptr;
};

TEST(PortChoice, TheNamedPortOrTheFirstFoundOrWhatThePlatformReachesUnlisted) {
    const std::vector<FoundPort> none;
    const std::vector<FoundPort> secondAlone = {{"/dev/parport1", 0x278}};
    const ChoiceCase cases[] = {
        {"", WINDOWS, WINDOWS_FOUND, "LPT1", 0x378, "LPT1 (0378)", "--port LPT3 (D010)"},
        {"LPT3", WINDOWS, WINDOWS_FOUND, "LPT3", 0xD010, "LPT3 (D010)", "--port LPT1 (0378)"},
        {"D010-D017", WINDOWS, WINDOWS_FOUND, "LPT3", 0xD010},
        {"0x278", WINDOWS, WINDOWS_FOUND, "0x278", 0x278, "0278", "--port LPT1 (0378), --port LPT3 (D010)"},
        {"LPT2", WINDOWS, WINDOWS_FOUND, nullptr, 0},
        {"/dev/parport0", WINDOWS, WINDOWS_FOUND, nullptr, 0},
        {"", WINDOWS, none, nullptr, 0},
        {"", LINUX, KERNEL_FOUND, "/dev/parport0", 0x378},
        {"", LINUX, secondAlone, "/dev/parport0", 0, "/dev/parport0", "--port /dev/parport1 (0x278)"},
        {"0x278", LINUX, KERNEL_FOUND, "/dev/parport1", 0x278, "/dev/parport1 (0x278)", "--port /dev/parport0 (0x378)"},
        {"0x3bc", LINUX, KERNEL_FOUND, nullptr, 0},
        {"/dev/parport1", LINUX, KERNEL_FOUND, "/dev/parport1", 0x278},
        {"/dev/null", LINUX, KERNEL_FOUND, "/dev/null", 0},
        {"LPT1", LINUX, KERNEL_FOUND, nullptr, 0},
        {"xyz", LINUX, KERNEL_FOUND, nullptr, 0},
    };
    for (const ChoiceCase& c : cases) {
        const PortArgument asked = *c.said == '\0' ? PortArgument{PortAsked::Default, 0, ""} : ReadPortValue(c.said);
        const ChosenPort chosen = ChoosePort(asked, c.found.data(), int(c.found.size()), c.reach);
        const std::string seen = chosen.name == nullptr ? "(refused)" : chosen.name;
        EXPECT_EQ(seen, c.name == nullptr ? "(refused)" : c.name) << "said: " << c.said;
        EXPECT_EQ(chosen.base, c.base) << "said: " << c.said;
        if (c.where == nullptr) continue;
        NamedPorts named;
        NamePorts(&named, chosen, c.found.data(), int(c.found.size()),
                  &c.reach == &WINDOWS ? WINDOWS_PORT_WORDS : LINUX_PORT_WORDS);
        EXPECT_STREQ(named.where, c.where) << "said: " << c.said;
        EXPECT_STREQ(named.others, c.others) << "said: " << c.said;
    }
}

// Found in any order, kept by the number the name ends in; the room is
// FOUND_PORTS_MAX. LptNumberOf is the one LPT rule, Windows' PortName too.
TEST(PortChoice, FoundPortsAreKeptInTheirNumbersOrder) {
    FoundPort ports[FOUND_PORTS_MAX];
    int count = 0;
    for (const char* name : {"LPT10", "LPT3", "LPT1"}) count = AddFoundPort(ports, count, name, 0x100);
    ASSERT_EQ(count, 3);
    EXPECT_STREQ(ports[0].name, "LPT1");
    EXPECT_STREQ(ports[1].name, "LPT3");
    EXPECT_STREQ(ports[2].name, "LPT10");
    while (count < FOUND_PORTS_MAX) count = AddFoundPort(ports, count, "/dev/parport2", 0x278);
    EXPECT_EQ(AddFoundPort(ports, count, "LPT2", 0x278), FOUND_PORTS_MAX);
    const struct {
        const char* name;
        uint32_t lpt;
    } names[] = {{"LPT1", 1}, {"LPT12", 12}, {"COM1", 0}, {"LPT", 0}, {"LPT1:", 0}, {"", 0}};
    for (const auto& n : names) EXPECT_EQ(LptNumberOf(n.name), n.lpt) << n.name;
}

// What the operator reads, word for word: the texts built from parts (the
// platform's words, the ports found, the advice).

struct RefusalCase {
    const char* name;
    Trouble (*refusal)();
    std::string english;
    std::string russian;
};

TEST(PortRefusal, SaysWhatIsWrongWhatThereIsAndWhatToDo) {
    const std::string namingEnglish =
        "\n\nName a port Windows does not show by its address when starting the program, for example:\n"
        "    kalderon-test.exe --port D010\n"
        "The address is the start of its first I/O range: Device Manager, Ports (COM & LPT), the port, Resources.";
    const std::string naming =
        "\n\nПорт, которого Windows не показывает, указывают его адресом при запуске программы, например:\n"
        "    kalderon-test.exe --port D010\n"
        "Адрес — начало первого диапазона ввода-вывода: Диспетчер устройств → Порты (COM и LPT) → порт → Ресурсы.";
    const std::string portsHere = "Параллельные порты этого компьютера: ";
    const RefusalCase cases[] = {
        {"Windows: an LPT not listed",
         [] {
             return ChoiceRefusal(ReadPortValue("LPT2"), WINDOWS_FOUND.data(), 2, WINDOWS_PORT_WORDS,
                                  &WINDOWS_NAMING_A_PORT);
         },
         "\"LPT2\" is not a parallel port here.\nName a port as --port LPT3 or by its base, --port D010.\n"
         "Parallel ports here: LPT1 (0378), LPT3 (D010)." + namingEnglish,
         "Порт «LPT2» не найден или это не порт.\nУкажите порт так: --port LPT3 или --port D010.\n\n" + portsHere +
             "LPT1 (0378), LPT3 (D010)." + naming},
        {"Windows: no port at all",
         [] { return ChoiceRefusal({PortAsked::Default, 0, ""}, nullptr, 0, WINDOWS_PORT_WORDS, &WINDOWS_NAMING_A_PORT); },
         "Windows lists no parallel port (LPT)." + namingEnglish,
         "Windows не нашла ни одного параллельного порта (LPT)." + naming},
        {"Linux: a base the kernel has no port at",
         [] { return ChoiceRefusal(ReadPortValue("0x3bc"), KERNEL_FOUND.data(), 2, LINUX_PORT_WORDS, nullptr); },
         "\"0x3bc\" is not a parallel port here.\nName a port as --port /dev/parport1 or by its base, --port 0x278.\n"
         "Parallel ports here: /dev/parport0 (0x378), /dev/parport1 (0x278).",
         "Порт «0x3bc» не найден или это не порт.\nУкажите порт так: --port /dev/parport1 или --port 0x278.\n\n" +
             portsHere + "/dev/parport0 (0x378), /dev/parport1 (0x278)."},
        {"Linux: no port and no driver, and a USB adapter",
         [] { return OpeningRefusal("/dev/parport0", ENOENT, nullptr, 0, LINUX_PORT_WORDS, &LINUX_USB_ADAPTER); },
         "cannot use the parallel port /dev/parport0: No such file or directory.\nFix: there is no parallel port, "
         "or the modules parport_pc and ppdev are not loaded (sudo modprobe parport_pc ppdev).\n"
         "The kernel has no parallel port.\nA USB-to-parallel adapter (/dev/usb/lp*) cannot drive the board: it is "
         "a printer interface, not a port.",
         "Не удалось открыть параллельный порт /dev/parport0:\nNo such file or directory.\n\n"
         "Параллельного порта нет, или не загружены модули parport_pc и ppdev (sudo modprobe parport_pc ppdev).\n\n"
         "Ядро не нашло ни одного параллельного порта.\n"
         "USB-адаптер параллельного порта (/dev/usb/lp*) не может управлять платой: это интерфейс принтера, а не "
         "порт."},
    };
    for (const RefusalCase& c : cases) {
        const Trouble said = c.refusal();
        EXPECT_EQ(said.english, c.english) << c.name;
        EXPECT_EQ(said.russian, c.russian) << c.name;
    }
}

}  // namespace

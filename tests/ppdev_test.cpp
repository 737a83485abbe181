// The Linux port library's refusals: each names the device, the reason and
// the fix. The real driver paths are proven under qemu.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "port_io.h"
#include "ppdev_port.h"

// The program's error box, here its ASCII on standard error, where a death
// test can read it.
void ShowPortTrouble(const wchar_t* text) {
    fputs("BOX:", stderr);
    for (const wchar_t* c = text; *c != L'\0'; ++c)
        if (*c < 0x80) fputc(char(*c), stderr);
}

namespace {

struct RefusalCase {
    const char* path;
    const char* reason;
    const char* fix;
};

// Named with --port, a device that cannot be claimed ends the start with
// the device, the reason and the fix on standard error, and the device and
// the reason in the box.
TEST(PpdevPortDeathTest, RefusesWhatIsNotAUsableParallelPort) {
    const RefusalCase cases[] = {
        {"/nonexistent/parport0", "No such file or directory", "modules parport_pc and ppdev"},
        {"/dev/null", "Inappropriate ioctl for device", "not a parallel port"},
    };
    for (const RefusalCase& c : cases) {
        const std::string said = std::string("cannot use the parallel port ") + c.path + ": " + c.reason +
                                 ".*Fix: .*" + c.fix + ".*BOX:.*" + c.path + ".*" + c.reason;
        EXPECT_EXIT(PortStart(ReadPortValue(c.path)), testing::ExitedWithCode(1), said);
    }
}

// No port is claimed in this process, so every access fails as one to a
// port that went away would: each must end the program with the reason,
// not go on with an invented byte.
TEST(PpdevPortDeathTest, AnAccessThatFailsEndsTheProgramWithItsReason) {
    const char* said = "parallel port /dev/parport0 failed: Bad file descriptor.*went away.*BOX:.*/dev/parport0";
    EXPECT_EXIT(Inp32(LPT_STATUS), testing::ExitedWithCode(1), said);
    EXPECT_EXIT(Out32(LPT_DATA, 0x5A), testing::ExitedWithCode(1), said);
    EXPECT_EXIT(Out32(LPT_CONTROL, 0x06), testing::ExitedWithCode(1), said);
}

}  // namespace

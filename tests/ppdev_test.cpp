// The Linux port library's refusals: each names the device, the reason and
// the fix. The real driver paths are proven under qemu.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "port_io.h"
#include "ppdev_port.h"

namespace {

struct RefusalCase {
    const char* path;
    const char* reason;
    const char* fix;
};

// How the program ends where the port fails: here on standard error, both
// languages, where a death test can read them.
void PortTroubleEnds(const char* english, const char* russian) {
    fprintf(stderr, "%s\n%s\n", english, russian);
    _exit(1);
}

// Named with --port, a device that cannot be claimed is the start's
// refusal: the device, the reason and the fix, and in Russian the device
// and the reason.
TEST(PpdevPort, RefusesWhatIsNotAUsableParallelPort) {
    const RefusalCase cases[] = {
        {"/nonexistent/parport0", "No such file or directory", "modules parport_pc and ppdev"},
        {"/dev/null", "Inappropriate ioctl for device", "not a parallel port"},
    };
    for (const RefusalCase& c : cases) {
        const PortStarted started = PortStart(c.path, PortTroubleEnds);
        EXPECT_EQ(started.port, nullptr);
        const std::string english = started.english, russian = started.russian;
        EXPECT_EQ(english.find(std::string("cannot use the parallel port ") + c.path + ": " + c.reason + ".\nFix: "),
                  0u) << english;
        EXPECT_NE(english.find(c.fix), std::string::npos) << english;
        EXPECT_EQ(russian.find(std::string("Не удалось открыть параллельный порт ") + c.path + ":\n" + c.reason),
                  0u) << russian;
    }
}

// No port is claimed in this process, so every access fails as one to a
// port that went away would: each must end the program with the reason,
// not go on with an invented byte.
TEST(PpdevPortDeathTest, AnAccessThatFailsEndsTheProgramWithItsReason) {
    PortWhenLost(PortTroubleEnds);
    const char* said = "parallel port /dev/parport0 failed: Bad file descriptor.*went away.*Параллельный порт "
                       "/dev/parport0 перестал отвечать";
    EXPECT_EXIT(Inp32(LPT_STATUS), testing::ExitedWithCode(1), said);
    EXPECT_EXIT(Out32(LPT_DATA, 0x5A), testing::ExitedWithCode(1), said);
    EXPECT_EXIT(Out32(LPT_CONTROL, 0x06), testing::ExitedWithCode(1), said);
}

}  // namespace

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

std::string ClaimMessage(const char* path, int* result) {
    char* text = nullptr;
    size_t size = 0;
    FILE* err = open_memstream(&text, &size);
    *result = ClaimParallelPort(path, err);
    fclose(err);
    std::string message(text, size);
    free(text);
    return message;
}

struct RefusalCase {
    const char* path;
    const char* reason;
    const char* fix;
};

TEST(PpdevPort, RefusesWhatIsNotAUsableParallelPort) {
    const RefusalCase cases[] = {
        {"/nonexistent/parport0", "No such file or directory", "modules parport_pc and ppdev"},
        {"/dev/null", "Inappropriate ioctl for device", "not a parallel port"},
    };
    for (const RefusalCase& c : cases) {
        int result = 0;
        const std::string message = ClaimMessage(c.path, &result);
        EXPECT_EQ(result, -1) << c.path;
        EXPECT_NE(message.find(c.path), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_NE(message.find(c.fix), std::string::npos) << message;
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

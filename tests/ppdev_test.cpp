// The Linux port library's refusals: each names the device, the reason and
// the fix. The real driver paths are proven under qemu.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ppdev_port.h"

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

}  // namespace

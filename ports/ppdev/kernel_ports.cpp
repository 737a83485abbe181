#include "kernel_ports.h"

#include <dirent.h>
#include <glob.h>

#include <cstdio>
#include <cstring>

// base-addr holds the base and the ECP block's base, in decimal.
static bool ReadBase(unsigned number, uint32_t* base) {
    char path[96];
    snprintf(path, sizeof path, "%s/parport%u/base-addr", PARPORT_PROC, number);
    FILE* file = fopen(path, "r");
    if (file == nullptr) return false;
    unsigned long value = 0;
    const bool read = fscanf(file, "%lu", &value) == 1 && PortRangeFits(value, LPT_PORT_COUNT);
    fclose(file);
    *base = uint32_t(value);
    return read;
}

int ListKernelPorts(FoundPort* ports) {
    DIR* dir = opendir(PARPORT_PROC);
    if (dir == nullptr) return 0;
    int count = 0;
    for (dirent* entry; (entry = readdir(dir)) != nullptr;) {
        unsigned number = 0;
        char rest = 0;
        if (sscanf(entry->d_name, "parport%u%c", &number, &rest) != 1) continue;
        uint32_t base = 0;
        char device[PORT_NAME_MAX];
        snprintf(device, sizeof device, "/dev/parport%u", number);
        if (ReadBase(number, &base)) count = AddFoundPort(ports, count, device, base);
    }
    closedir(dir);
    return count;
}

bool HaveUsbPrinter() {
    glob_t found = {};
    const bool have = glob("/dev/usb/lp*", 0, nullptr, &found) == 0 && found.gl_pathc > 0;
    globfree(&found);
    return have;
}

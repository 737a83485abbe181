#include "kernel_ports.h"

#include <dirent.h>
#include <glob.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// base-addr holds the base and the ECP block's base, in decimal.
static bool ReadBase(unsigned number, uint32_t* base) {
    char path[96];
    snprintf(path, sizeof path, "%s/parport%u/base-addr", PARPORT_PROC, number);
    FILE* file = fopen(path, "r");
    if (file == nullptr) return false;
    unsigned long value = 0;
    const bool read = fscanf(file, "%lu", &value) == 1 && value <= 0xFFFF;
    fclose(file);
    *base = uint32_t(value);
    return read;
}

int ListKernelPorts(KernelPort* ports) {
    DIR* dir = opendir(PARPORT_PROC);
    if (dir == nullptr) return 0;
    int count = 0;
    for (dirent* entry; count < KERNEL_PORTS_MAX && (entry = readdir(dir)) != nullptr;) {
        unsigned number = 0;
        char rest = 0;
        if (sscanf(entry->d_name, "parport%u%c", &number, &rest) != 1) continue;
        uint32_t base = 0;
        if (!ReadBase(number, &base)) continue;
        int at = count++;
        for (; at > 0 && ports[at - 1].number > number; --at) ports[at] = ports[at - 1];
        ports[at] = {number, base};
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

void DescribePorts(const KernelPort* ports, int count, char* text, size_t size) {
    size_t used = 0;
    text[0] = '\0';
    for (int i = 0; i < count && used < size; ++i)
        used += size_t(snprintf(text + used, size - used, "%s/dev/parport%u (0x%X)", i == 0 ? "" : ", ",
                                ports[i].number, ports[i].base));
}

#include "lpt_list.h"

#include <windows.h>
// SetupAPI's headers need windows.h first.
#include <cfgmgr32.h>
#include <setupapi.h>

#include "alloc_config.h"
#include "text.h"

static const wchar_t ENUM_KEY[] = L"SYSTEM\\CurrentControlSet\\Enum\\";
// The Ports setup class (devguid.h's GUID_DEVCLASS_PORTS), written here:
// that header defines every class's GUID in the program.
static const GUID PORTS_CLASS = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
// Large enough for any parallel port's ranges, interrupt and DMA channel.
static constexpr DWORD RESOURCE_LIST_MAX = 4096;

// The allocated configuration as the registry keeps it, for every started
// device from Windows 7 on. It reads the same from a 32-bit program on
// 64-bit Windows and under Wine, where the configuration manager's calls
// do not work; a port it does not show is named by its base (--port).
static bool BaseFromRegistry(HDEVINFO set, SP_DEVINFO_DATA* device, uint16_t* base) {
    wchar_t id[MAX_DEVICE_ID_LEN];
    if (!SetupDiGetDeviceInstanceIdW(set, device, id, MAX_DEVICE_ID_LEN, nullptr)) return false;
    wchar_t path[sizeof ENUM_KEY / sizeof ENUM_KEY[0] + MAX_DEVICE_ID_LEN + 16] = L"";
    Add(path, ENUM_KEY, id, L"\\Control");
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    static uint8_t list[RESOURCE_LIST_MAX];
    DWORD type = 0, size = sizeof list;
    const LONG read = RegQueryValueExW(key, L"AllocConfig", nullptr, &type, list, &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS && type == REG_RESOURCE_LIST && FirstPortRange(list, size, base);
}

// The device's PortName when it names a parallel port ("LPT3", not "COM1").
static bool PortNameOf(HDEVINFO set, SP_DEVINFO_DATA* device, char (&name)[PORT_NAME_MAX]) {
    const HKEY key = SetupDiOpenDevRegKey(set, device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) return false;
    wchar_t wide[PORT_NAME_MAX] = {};
    DWORD type = 0, size = sizeof wide - sizeof wide[0];
    const LONG read = RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(wide), &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS && type == REG_SZ &&
           WideCharToMultiByte(CP_UTF8, 0, wide, -1, name, PORT_NAME_MAX, nullptr, nullptr) > 0 &&
           LptNumberOf(name) != 0;
}

int ListParallelPorts(FoundPort* ports) {
    const HDEVINFO set = SetupDiGetClassDevsW(&PORTS_CLASS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        char name[PORT_NAME_MAX];
        uint16_t base = 0;
        if (!PortNameOf(set, &device, name)) continue;
        if (BaseFromRegistry(set, &device, &base))
            count = AddFoundPort(ports, count, name, base);
    }
    SetupDiDestroyDeviceInfoList(set);
    return count;
}

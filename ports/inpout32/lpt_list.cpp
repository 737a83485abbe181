#include "lpt_list.h"

#include <windows.h>
// SetupAPI's headers need windows.h first.
#include <cfgmgr32.h>
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>

#include <cwchar>

#include "alloc_config.h"

static const wchar_t ENUM_KEY[] = L"SYSTEM\\CurrentControlSet\\Enum\\";
// Large enough for any parallel port's ranges, interrupt and DMA channel.
static constexpr DWORD RESOURCE_LIST_MAX = 4096;

// The allocated configuration as the registry keeps it. It reads the same
// from a 32-bit program on 64-bit Windows and under Wine, where the
// configuration manager's calls below do not work.
static bool BaseFromRegistry(HDEVINFO set, SP_DEVINFO_DATA* device, uint16_t* base) {
    wchar_t id[MAX_DEVICE_ID_LEN];
    if (!SetupDiGetDeviceInstanceIdW(set, device, id, MAX_DEVICE_ID_LEN, nullptr)) return false;
    wchar_t path[sizeof ENUM_KEY / sizeof ENUM_KEY[0] + MAX_DEVICE_ID_LEN + 16];
    swprintf(path, sizeof path / sizeof path[0], L"%ls%ls\\Control", ENUM_KEY, id);
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    static uint8_t list[RESOURCE_LIST_MAX];
    DWORD type = 0, size = sizeof list;
    const LONG read = RegQueryValueExW(key, L"AllocConfig", nullptr, &type, list, &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS && type == REG_RESOURCE_LIST && FirstPortRange(list, size, base);
}

// The configuration manager's view of the same ranges, in its order. Only
// where the registry has none: these calls fail in a 32-bit program on
// 64-bit Windows, and in Wine they are stubs that end the process.
static bool BaseFromConfigManager(DEVINST device, uint16_t* base) {
    LOG_CONF config;
    if (CM_Get_First_Log_Conf(&config, device, ALLOC_LOG_CONF) != CR_SUCCESS) return false;
    bool found = false;
    RES_DES range, previous = config;
    while (!found && CM_Get_Next_Res_Des(&range, previous, ResType_IO, nullptr, 0) == CR_SUCCESS) {
        IO_RESOURCE io = {};
        ULONG size = 0;
        const bool read = CM_Get_Res_Des_Data_Size(&size, range, 0) == CR_SUCCESS && size <= sizeof io &&
                          CM_Get_Res_Des_Data(range, &io, size, 0) == CR_SUCCESS;
        const IO_DES& head = io.IO_Header;
        if (read && head.IOD_Alloc_End >= head.IOD_Alloc_Base &&
            PortRangeFits(head.IOD_Alloc_Base, head.IOD_Alloc_End - head.IOD_Alloc_Base + 1)) {
            *base = uint16_t(head.IOD_Alloc_Base);
            found = true;
        }
        if (previous != config) CM_Free_Res_Des_Handle(previous);
        previous = range;
    }
    if (previous != config) CM_Free_Res_Des_Handle(previous);
    CM_Free_Log_Conf_Handle(config);
    return found;
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
    const HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        char name[PORT_NAME_MAX];
        uint16_t base = 0;
        if (!PortNameOf(set, &device, name)) continue;
        if (BaseFromRegistry(set, &device, &base) || BaseFromConfigManager(device.DevInst, &base))
            count = AddFoundPort(ports, count, name, base);
    }
    SetupDiDestroyDeviceInfoList(set);
    return count;
}

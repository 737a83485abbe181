#include "recording_port.h"

#include <deque>

#include "port_io.h"

PortTrace RecordedPorts;
static std::deque<uint8_t> g_script;
static uint8_t g_idleStatus;
static bool g_dataKept, g_controlKept;  // else reading 0xFF, as a missing port does
static uint8_t g_data, g_control;

void ResetRecordingPort(uint8_t idleStatus, bool dataKept, bool controlKept) {
    RecordedPorts.clear();
    g_script.clear();
    g_idleStatus = idleStatus;
    g_dataKept = dataKept;
    g_controlKept = controlKept;
    g_data = g_control = 0;
}

void ScriptStatusReads(std::initializer_list<uint8_t> values) { g_script.insert(g_script.end(), values); }

void ScriptStatusReads(uint8_t value, uint32_t times) { g_script.insert(g_script.end(), times, value); }

extern "C" void Out32(short port, short value) {
    if (port == LPT_DATA) g_data = uint8_t(value);
    if (port == LPT_CONTROL) g_control = uint8_t(value);
    RecordedPorts.push_back(W(port, uint8_t(value)));
}

extern "C" short Inp32(short port) {
    uint8_t value = 0xFF;
    if (port == LPT_DATA && g_dataKept) value = g_data;
    if (port == LPT_CONTROL && g_controlKept) value = g_control;
    if (port == LPT_STATUS) {
        value = g_idleStatus;
        if (!g_script.empty()) {
            value = g_script.front();
            g_script.pop_front();
        }
    }
    RecordedPorts.push_back(R(port, value));
    return value;
}

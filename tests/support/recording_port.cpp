#include "recording_port.h"

#include <deque>

#include "port_io.h"

PortTrace RecordedPorts;
static std::deque<uint8_t> g_script;
static uint8_t g_idleStatus;

void ResetRecordingPort(uint8_t idleStatus) {
    RecordedPorts.clear();
    g_script.clear();
    g_idleStatus = idleStatus;
}

void ScriptStatusReads(std::initializer_list<uint8_t> values) { g_script.insert(g_script.end(), values); }

void ScriptStatusReads(uint8_t value, uint32_t times) { g_script.insert(g_script.end(), times, value); }

extern "C" void Out32(short port, short value) { RecordedPorts.push_back(W(port, uint8_t(value))); }

extern "C" short Inp32(short port) {
    uint8_t value = 0xFF;
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

// A port library for tests: records every access and answers status reads
// from a script, then with a fixed value.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "expected_traffic.h"

extern PortTrace RecordedPorts;

// Clears the record and the script; status reads then answer idleStatus; data and
// control read back what was last written (from 0x00) where kept, else 0xFF.
void ResetRecordingPort(uint8_t idleStatus = 0x00, bool dataKept = false, bool controlKept = false);
// The next status reads answer these, in order, before idleStatus again.
void ScriptStatusReads(std::initializer_list<uint8_t> values);
void ScriptStatusReads(uint8_t value, uint32_t times);

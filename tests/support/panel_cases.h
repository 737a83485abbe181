// What both panels, the Windows one under Wine and the Linux one over Qt, are
// held to: cases and expected port traces as the simulated board writes them
// ("W 378 5A"). Only Win32 names, so both test programs share it.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>  // IDCANCEL, on Linux the Qt layer's

#include "panel_ids.h"

// One write cycle: data, code, code with strobe, code.
inline std::vector<std::string> CycleLines(int code, int data) {
    char d[16], c[16], s[16];
    snprintf(d, sizeof d, "W 378 %02X", data);
    snprintf(c, sizeof c, "W 37A %02X", code);
    snprintf(s, sizeof s, "W 37A %02X", code | 1);
    return {d, c, s, c};
}

inline std::vector<std::string> CyclesLines(const std::vector<std::pair<int, int>>& writes) {
    std::vector<std::string> lines;
    for (auto [code, data] : writes) {
        const std::vector<std::string> cycle = CycleLines(code, data);
        lines.insert(lines.end(), cycle.begin(), cycle.end());
    }
    return lines;
}

// The step boxes of one write cycle, one after each phase.
inline const std::vector<std::u16string> CYCLE_PAUSES = {u"Данные на шине", u"Адрес регистра выставлен",
                                                         u"Строб записи выставлен", u"Строб записи снят"};

// Reset: control lines, data, address high, address low.
inline const std::vector<std::pair<int, int>> RESET_WRITES = {{2, 0xC0}, {0, 0xFF}, {6, 0x00}, {4, 0x00}};

// Clicks on input boxes and radio buttons, each case after the one before,
// then "Записать": the register code and byte that must go out.
struct WriteCase {
    const char* name;
    std::vector<int> clicks;
    int code;
    int data;
};

inline const std::vector<WriteCase> WRITE_CASES = {
    {"nothing checked, control preselected", {}, 2, 0x00},
    {"A16 and DE to address low", {IDC_BIT0, IDC_BIT7, IDC_SEL_ADDR_LOW}, 4, 0x81},
    {"VPP and CS to control", {IDC_BIT0, IDC_BIT7, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_SEL_CONTROL}, 2, 0x18},
    {"same bits to data", {IDC_SEL_DATA}, 0, 0x18},
    {"same bits to address high", {IDC_SEL_ADDR_HIGH}, 6, 0x18},
};

// The boxes that make 0x5A ("A17", "VPP", "CS", "OE") with address low
// selected: the simulated chip's byte at 0x00005A is 0x5A.
inline const std::vector<int> PRESENT_0X5A_CLICKS = {IDC_SEL_ADDR_LOW, IDC_BIT0 + 1, IDC_BIT0 + 3, IDC_BIT0 + 4,
                                                     IDC_BIT0 + 6};
inline const std::vector<std::string> READ_0X5A_LINES = {"W 37A 00", "R 379 A7", "W 37A 02", "R 379 57"};

// The eight input boxes' texts, and the three label columns'.
inline const std::vector<std::u16string> INPUT_TEXTS = {u"A16", u"A17", u"---", u"VPP", u"CS", u"PGM", u"OE", u"DE"};
inline const std::vector<std::u16string> DATA_TEXTS = {u"D0", u"D1", u"D2", u"D3", u"D4", u"D5", u"D6", u"D7"};
inline const std::vector<std::u16string> HIGH_TEXTS = {u"A8", u"A9", u"A10", u"A11", u"A12", u"A13", u"A14", u"A15"};
inline const std::vector<std::u16string> LOW_TEXTS = {u"A0", u"A1", u"A2", u"A3", u"A4", u"A5", u"A6", u"A7"};

// Where Tab takes the focus from "Выход", one press at a time: template
// order over the visible tab stops, each radio button among them, round to
// "Выход" again.
inline const std::vector<int> TAB_ORDER_FROM_EXIT = {
    IDC_BIT0, IDC_BIT0 + 1, IDC_BIT0 + 2, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_BIT0 + 5, IDC_BIT0 + 6, IDC_BIT7,
    IDC_SEL_CONTROL, IDC_SEL_DATA, IDC_SEL_ADDR_HIGH, IDC_SEL_ADDR_LOW, IDC_WRITE, IDC_STEP_MODE, IDC_READ,
    IDC_CHECKBOX1052, IDC_RESET, IDC_ADDR_STEP, IDC_TIMER_TEST, IDCANCEL};

// Once a radio button has been clicked the row is a single tab stop, the
// checked button: a radio button's check carries WS_TABSTOP. Here after a
// click on IDC_SEL_DATA, from "Выход" again.
inline const std::vector<int> TAB_ORDER_FROM_EXIT_AFTER_SELECTING_DATA = {
    IDC_BIT0, IDC_BIT0 + 1, IDC_BIT0 + 2, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_BIT0 + 5, IDC_BIT0 + 6, IDC_BIT7,
    IDC_SEL_DATA, IDC_WRITE, IDC_STEP_MODE, IDC_READ, IDC_CHECKBOX1052, IDC_RESET, IDC_ADDR_STEP, IDC_TIMER_TEST,
    IDCANCEL};

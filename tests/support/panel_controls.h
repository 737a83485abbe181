// The panel's 57 controls as the template must give them, in template
// order: checked against the compiled .res by the template test and against
// the live windows by the Wine suite. Only Win32 names, so both share it.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "panel_ids.h"

// The dialog's own size, in dialog units.
constexpr int PANEL_DLU_WIDTH = 213, PANEL_DLU_HEIGHT = 189;

struct ControlRow {
    int id;
    std::u16string cls;
    std::u16string text;
    DWORD style;  // all of it: WS_CHILD, WS_VISIBLE, WS_TABSTOP, the BS_/SS_ type
    int x, y, cx, cy;  // dialog units
    DWORD exStyle;
};

inline const std::vector<ControlRow>& PanelControls() {
    constexpr DWORD SHOWN = WS_CHILD | WS_VISIBLE, HIDDEN = WS_CHILD, TAB = WS_TABSTOP;
    constexpr DWORD CHECK = SHOWN | BS_AUTOCHECKBOX | TAB, PUSH = SHOWN | BS_PUSHBUTTON | TAB;
    constexpr DWORD LABEL = SHOWN | SS_LEFT, RADIO = SHOWN | BS_AUTORADIOBUTTON | TAB;
    static const std::vector<std::u16string> bits = {u"A16", u"A17", u"---", u"VPP", u"CS", u"PGM", u"OE", u"DE"};
    static const std::vector<std::u16string> d = {u"D0", u"D1", u"D2", u"D3", u"D4", u"D5", u"D6", u"D7"};
    static const std::vector<std::u16string> high = {u"A8", u"A9", u"A10", u"A11", u"A12", u"A13", u"A14", u"A15"};
    static const std::vector<std::u16string> low = {u"A0", u"A1", u"A2", u"A3", u"A4", u"A5", u"A6", u"A7"};
    static const std::vector<ControlRow> rows = [&] {
        std::vector<ControlRow> r = {
            {IDC_FRAME_BOTTOM, u"Static", u"", LABEL, 3, 170, 93, 16, WS_EX_CLIENTEDGE},
            {IDC_FRAME_MIDDLE, u"Static", u"", LABEL, 100, 3, 54, 164, WS_EX_CLIENTEDGE},
            {IDC_FRAME_LEFT, u"Static", u"", LABEL, 3, 3, 93, 164, WS_EX_CLIENTEDGE},
            {IDCANCEL, u"Button", u"Выход", PUSH, 100, 170, 54, 16, 0},
        };
        for (int i = 0; i < 8; ++i) r.push_back({IDC_BIT0 + i, u"Button", bits[i], CHECK, 7, 5 + 15 * i, 32, 13, 0});
        for (int i = 0; i < 8; ++i) r.push_back({IDC_LABEL_D0 + i, u"Static", d[i], LABEL, 41, 7 + 15 * i, 14, 13, 0});
        for (int i = 0; i < 8; ++i) r.push_back({IDC_LABEL_A8 + i, u"Static", high[i], LABEL, 58, 7 + 15 * i, 14, 13, 0});
        for (int i = 0; i < 8; ++i) r.push_back({IDC_LABEL_A0 + i, u"Static", low[i], LABEL, 79, 7 + 15 * i, 14, 13, 0});
        r.push_back({IDC_SEL_CONTROL, u"Button", u"", RADIO, 23, 129, 15, 12, 0});
        r.push_back({IDC_SEL_DATA, u"Button", u"", RADIO, 41, 129, 15, 12, 0});
        r.push_back({IDC_SEL_ADDR_HIGH, u"Button", u"", RADIO, 59, 129, 15, 12, 0});
        r.push_back({IDC_SEL_ADDR_LOW, u"Button", u"", RADIO, 78, 129, 14, 12, 0});
        r.push_back({IDC_WRITE, u"Button", u"Записать", PUSH, 7, 150, 87, 15, 0});
        r.push_back({IDC_STEP_MODE, u"Button", u"По шагам", CHECK, 10, 172, 83, 12, 0});
        for (int i = 0; i < 8; ++i)
            r.push_back({IDC_READ_BIT0 + i, u"Button", d[i], SHOWN | BS_AUTOCHECKBOX, 113, 5 + 15 * i, 27, 13, 0});
        r.push_back({IDC_READ, u"Button", u"Считать", PUSH, 103, 150, 47, 15, 0});
        r.push_back({IDC_CHECKBOX1052, u"Button", u"IDC_CHECKBOX1052", CHECK, 7, 130, 10, 10, 0});
        r.push_back({IDC_RESET, u"Button", u"Сброс", PUSH, 157, 3, 53, 14, 0});
        r.push_back({IDC_ADDR_STEP, u"Button", u"Шаг адреса", PUSH, 157, 18, 54, 14, 0});
        r.push_back({IDC_SPARE1, u"Button", u"*", HIDDEN | BS_PUSHBUTTON | TAB, 158, 34, 53, 14, 0});
        r.push_back({IDC_TIMER_TEST, u"Button", u"Тест таймера", PUSH | BS_MULTILINE, 158, 50, 53, 23, 0});
        r.push_back({IDC_SPARE2, u"Button", u"*", HIDDEN | BS_PUSHBUTTON | BS_MULTILINE | TAB, 158, 74, 53, 23, 0});
        return r;
    }();
    return rows;
}

// An extended dialog template (DLGTEMPLATEEX) as the resource compiler wrote
// it, read into plain values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DialogItem {
    uint32_t id;
    uint32_t style;
    uint32_t exStyle;
    int x, y, cx, cy;    // dialog units
    std::u16string cls;  // "Button", "Static", ...: predefined atoms are named
    std::u16string text;
};

struct DialogTemplate {
    uint32_t style;
    uint32_t exStyle;
    int x, y, cx, cy;
    std::u16string title;
    int pointSize;
    std::u16string typeface;
    std::vector<DialogItem> items;
};

// False when the bytes are not a well-formed extended template.
bool ParseDialogTemplate(const unsigned char* data, size_t size, DialogTemplate* out);

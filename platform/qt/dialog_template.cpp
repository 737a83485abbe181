#include "dialog_template.h"

#include <string>

#include "resources.h"
#include "windows.h"

namespace {

// A bounds-checked reader over the template's little-endian words.
struct Reader {
    const unsigned char* base;
    size_t size;
    size_t at;
    bool ok;

    uint16_t U16() {
        if (at + 2 > size) {
            ok = false;
            return 0;
        }
        const uint16_t v = ReadU16(base + at);
        at += 2;
        return v;
    }
    uint32_t U32() {
        const uint32_t low = U16();
        return low | (uint32_t(U16()) << 16);
    }
    int16_t S16() { return static_cast<int16_t>(U16()); }
    void AlignTo4() { at = (at + 3) & ~size_t(3); }
    std::u16string String() {
        std::u16string s;
        for (uint16_t c = U16(); ok && c != 0; c = U16()) s += char16_t(c);
        return s;
    }
    // A string, or 0xFFFF and an ordinal, or 0 for none.
    std::u16string StringOrOrdinal(uint16_t* ordinal) {
        *ordinal = 0;
        if (at + 2 <= size && base[at] == 0xFF && base[at + 1] == 0xFF) {
            U16();
            *ordinal = U16();
            return {};
        }
        return String();
    }
};

// The predefined control classes a template may name by atom.
std::u16string ClassForAtom(uint16_t atom) {
    switch (atom) {
    case 0x0080: return u"Button";
    case 0x0081: return u"Edit";
    case 0x0082: return u"Static";
    case 0x0083: return u"ListBox";
    case 0x0084: return u"ScrollBar";
    case 0x0085: return u"ComboBox";
    default: {
        std::u16string number;
        for (const char c : std::to_string(atom)) number += char16_t(c);
        return u"#" + number;
    }
    }
}

}  // namespace

bool ParseDialogTemplate(const unsigned char* data, size_t size, DialogTemplate* out) {
    Reader r = {data, size, 0, true};
    if (r.U16() != 1 || r.U16() != 0xFFFF) return false;  // version 1, extended
    r.U32();                                            // help id
    out->exStyle = r.U32();
    out->style = r.U32();
    const uint16_t count = r.U16();
    out->x = r.S16();
    out->y = r.S16();
    out->cx = r.S16();
    out->cy = r.S16();
    uint16_t ordinal;
    r.StringOrOrdinal(&ordinal);  // menu: the panel has none
    r.StringOrOrdinal(&ordinal);  // class: the standard dialog class
    out->title = r.String();
    out->pointSize = 0;
    if (out->style & DS_SETFONT) {  // DS_SHELLFONT includes it
        out->pointSize = r.U16();
        r.U16();  // weight
        r.U16();  // italic, charset
        out->typeface = r.String();
    }
    out->items.clear();
    for (uint16_t i = 0; i < count && r.ok; ++i) {
        r.AlignTo4();
        DialogItem item;
        r.U32();  // help id
        item.exStyle = r.U32();
        item.style = r.U32();
        item.x = r.S16();
        item.y = r.S16();
        item.cx = r.S16();
        item.cy = r.S16();
        item.id = r.U32();
        item.cls = r.StringOrOrdinal(&ordinal);
        if (ordinal != 0) item.cls = ClassForAtom(ordinal);
        item.text = r.StringOrOrdinal(&ordinal);
        const uint16_t extra = r.U16();
        r.at += extra;
        out->items.push_back(item);
    }
    return r.ok && out->items.size() == count;
}

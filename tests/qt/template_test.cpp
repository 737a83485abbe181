// The compiled template, read back from the program's embedded resources:
// what both platforms build their panel from.
#include <gtest/gtest.h>

#include "dialog_template.h"
#include "panel_cases.h"
#include "panel_ids.h"
#include "resources.h"
#include "windows.h"

namespace {

struct ItemCase {
    uint32_t id;
    const char16_t* cls;
    uint32_t style;  // beyond WS_CHILD | WS_VISIBLE
    int x, y, cx, cy;
    std::u16string text;
    uint32_t exStyle = 0;
};

constexpr uint32_t TAB = WS_TABSTOP;
constexpr uint32_t CHILD = WS_CHILD | WS_VISIBLE;

std::vector<ItemCase> ExpectedItems() {
    const std::vector<std::u16string>& bits = INPUT_TEXTS;
    const std::vector<std::u16string>& d = DATA_TEXTS;
    const std::vector<std::u16string>& high = HIGH_TEXTS;
    const std::vector<std::u16string>& low = LOW_TEXTS;
    std::vector<ItemCase> items = {
        {1053, u"Static", CHILD | SS_LEFT, 3, 170, 93, 16, u"", WS_EX_CLIENTEDGE},
        {1050, u"Static", CHILD | SS_LEFT, 100, 3, 54, 164, u"", WS_EX_CLIENTEDGE},
        {1039, u"Static", CHILD | SS_LEFT, 3, 3, 93, 164, u"", WS_EX_CLIENTEDGE},
        {2, u"Button", CHILD | BS_PUSHBUTTON | TAB, 100, 170, 54, 16, u"Выход"},
    };
    for (int i = 0; i < 8; ++i) items.push_back({1003u + i, u"Button", CHILD | BS_AUTOCHECKBOX | TAB, 7, 5 + 15 * i, 32, 13, bits[i]});
    for (int i = 0; i < 8; ++i) items.push_back({1011u + i, u"Static", CHILD | SS_LEFT, 41, 7 + 15 * i, 14, 13, d[i]});
    for (int i = 0; i < 8; ++i) items.push_back({1019u + i, u"Static", CHILD | SS_LEFT, 58, 7 + 15 * i, 14, 13, high[i]});
    for (int i = 0; i < 8; ++i) items.push_back({1027u + i, u"Static", CHILD | SS_LEFT, 79, 7 + 15 * i, 14, 13, low[i]});
    const uint32_t radio = CHILD | BS_AUTORADIOBUTTON | TAB;
    items.push_back({1035, u"Button", radio, 23, 129, 15, 12, u""});
    items.push_back({1036, u"Button", radio, 41, 129, 15, 12, u""});
    items.push_back({1037, u"Button", radio, 59, 129, 15, 12, u""});
    items.push_back({1038, u"Button", radio, 78, 129, 14, 12, u""});
    items.push_back({1040, u"Button", CHILD | BS_PUSHBUTTON | TAB, 7, 150, 87, 15, u"Записать"});
    items.push_back({1041, u"Button", CHILD | BS_AUTOCHECKBOX | TAB, 10, 172, 83, 12, u"По шагам"});
    for (int i = 0; i < 8; ++i) items.push_back({1042u + i, u"Button", CHILD | BS_AUTOCHECKBOX, 113, 5 + 15 * i, 27, 13, d[i]});
    items.push_back({1051, u"Button", CHILD | BS_PUSHBUTTON | TAB, 103, 150, 47, 15, u"Считать"});
    items.push_back({1052, u"Button", CHILD | BS_AUTOCHECKBOX | TAB, 7, 130, 10, 10, u"IDC_CHECKBOX1052"});
    items.push_back({1054, u"Button", CHILD | BS_PUSHBUTTON | TAB, 157, 3, 53, 14, u"Сброс"});
    items.push_back({1055, u"Button", CHILD | BS_PUSHBUTTON | TAB, 157, 18, 54, 14, u"Шаг адреса"});
    items.push_back({1057, u"Button", WS_CHILD | BS_PUSHBUTTON | TAB, 158, 34, 53, 14, u"*"});
    items.push_back({1058, u"Button", CHILD | BS_PUSHBUTTON | BS_MULTILINE | TAB, 158, 50, 53, 23, u"Тест таймера"});
    items.push_back({1059, u"Button", WS_CHILD | BS_PUSHBUTTON | BS_MULTILINE | TAB, 158, 74, 53, 23, u"*"});
    return items;
}

DialogTemplate PanelTemplate() {
    const ResourceData resource = FindResourceData(RESOURCE_DIALOG, IDD_PANEL);
    DialogTemplate t = {};
    EXPECT_NE(resource.data, nullptr);
    if (resource.data != nullptr) {
        EXPECT_TRUE(ParseDialogTemplate(resource.data, resource.size, &t));
    }
    return t;
}

TEST(PanelTemplate, WindowIsAFixedCaptionedDialogWithACloseBox) {
    const DialogTemplate t = PanelTemplate();
    EXPECT_EQ(t.title, u"KALDERON TEST");
    EXPECT_EQ(t.typeface, u"MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.style, uint32_t(WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), (std::vector<int>{0, 0, 213, 189}));
}

TEST(PanelTemplate, Has57ControlsInTemplateOrder) {
    const DialogTemplate t = PanelTemplate();
    const std::vector<ItemCase> expected = ExpectedItems();
    ASSERT_EQ(expected.size(), 57u);
    ASSERT_EQ(t.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogItem& got = t.items[i];
        const ItemCase& want = expected[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(want.id));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.cls, want.cls);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.exStyle, want.exStyle);
        EXPECT_EQ((std::vector<int>{got.x, got.y, got.cx, got.cy}), (std::vector<int>{want.x, want.y, want.cx, want.cy}));
        EXPECT_EQ(got.text, want.text);
    }
}

TEST(PanelTemplate, IconGroupHoldsOne32By32SixteenColourImage) {
    const ResourceData group = FindResourceData(RESOURCE_GROUP_ICON, IDI_PANEL);
    ASSERT_NE(group.data, nullptr);
    ASSERT_GE(group.size, 20u);
    EXPECT_EQ(group.data[4], 1) << "one image";
    EXPECT_EQ(group.data[6], 32);
    EXPECT_EQ(group.data[7], 32);
    EXPECT_EQ(group.data[8], 16) << "16 colours";
    const uint16_t imageId = uint16_t(group.data[18] | (group.data[19] << 8));
    EXPECT_NE(FindResourceData(RESOURCE_ICON, imageId).data, nullptr);
}

TEST(DialogTemplateParser, RefusesTruncatedAndNonExtendedTemplates) {
    const ResourceData resource = FindResourceData(RESOURCE_DIALOG, IDD_PANEL);
    ASSERT_NE(resource.data, nullptr);
    DialogTemplate t;
    EXPECT_FALSE(ParseDialogTemplate(resource.data, resource.size / 2, &t));
    EXPECT_FALSE(ParseDialogTemplate(resource.data, 10, &t));
    const unsigned char plain[] = {0xC0, 0x08, 0xC8, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(ParseDialogTemplate(plain, sizeof plain, &t));
    EXPECT_EQ(FindResourceData(RESOURCE_DIALOG, 999).data, nullptr);
}

}  // namespace

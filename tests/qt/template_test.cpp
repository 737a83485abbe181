// The compiled template, read back from the program's embedded resources:
// what both platforms build their panel from.
#include <gtest/gtest.h>

#include "dialog_template.h"
#include "panel_controls.h"
#include "panel_ids.h"
#include "resources.h"
#include "windows.h"

namespace {

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
    EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), (std::vector<int>{0, 0, PANEL_DLU_WIDTH, PANEL_DLU_HEIGHT}));
}

TEST(PanelTemplate, Has57ControlsInTemplateOrder) {
    const DialogTemplate t = PanelTemplate();
    const std::vector<ControlRow>& expected = PanelControls();
    ASSERT_EQ(expected.size(), 57u);
    ASSERT_EQ(t.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogItem& got = t.items[i];
        const ControlRow& want = expected[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(want.id));
        EXPECT_EQ(int(got.id), want.id);
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

// The panel's picture, as a person would see it on the screen, saved for the
// build to turn into panel.png.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "wine_panel.h"

namespace {

// The panel as it is on the screen, as 24-bit rows bottom up.
std::vector<char> Capture(const Panel& p, BITMAPINFOHEADER& info) {
    RECT r;
    GetWindowRect(p.dialog, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    info = {sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(((w * 3 + 3) & ~3) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool ManyColours(const std::vector<char>& pixels, const BITMAPINFOHEADER& info) {
    const int stride = (info.biWidth * 3 + 3) & ~3;
    for (int y = 0; y < info.biHeight; ++y)
        for (int x = 0; x < info.biWidth * 3; ++x)
            if (pixels[y * stride + x] != pixels[x % 3]) return true;
    return false;
}

// Saves the panel as it is on the screen, as a 24-bit BMP, for the build to
// turn into panel.png: once it is painted, that is, once two captures with
// the panel's loop run between them agree and show more than one colour.
TEST(PanelPicture, Screenshot) {
    Panel p = Open();
    ASSERT_NE(p.dialog, nullptr);
    BITMAPINFOHEADER info;
    std::vector<char> pixels, before;
    const bool painted = WaitUntil([&] {
        Settle(p);
        before.swap(pixels);
        pixels = Capture(p, info);
        return pixels == before && ManyColours(pixels, info);
    });
    ASSERT_TRUE(painted) << "the panel was never painted";
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info + pixels.size()), 0, 0,
                             DWORD(sizeof file + sizeof info)};
    FILE* out = _wfopen((g_outFolder + L"\\panel.bmp").c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    EXPECT_EQ(fwrite(pixels.data(), 1, pixels.size(), out), pixels.size());
    fclose(out);
    PostMessageW(p.dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(p), 0);
}

}  // namespace

// Icons from the program's resources.
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <map>

#include "resources.h"
#include "window_handle.h"

struct IconHandle {
    QIcon icon;
};

// An icon group lists its images by id; together with the images they make
// an .ico file, which Qt reads.
HICON LoadIconW(HINSTANCE, LPCWSTR name) {
    const uint16_t id = LOWORD(reinterpret_cast<uintptr_t>(name));
    const ResourceData group = FindResourceData(RESOURCE_GROUP_ICON, id);
    constexpr size_t GROUP_HEADER = 6, GROUP_ENTRY = 14, FILE_ENTRY = 16;
    if (group.data == nullptr || group.size < GROUP_HEADER) return nullptr;
    const size_t count = ReadU16(group.data + 4);
    if (group.size < GROUP_HEADER + count * GROUP_ENTRY) return nullptr;
    QByteArray file(reinterpret_cast<const char*>(group.data), GROUP_HEADER);
    QByteArray images;
    const size_t imagesStart = GROUP_HEADER + count * FILE_ENTRY;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* entry = group.data + GROUP_HEADER + i * GROUP_ENTRY;
        const ResourceData image = FindResourceData(RESOURCE_ICON, ReadU16(entry + 12));
        if (image.data == nullptr) return nullptr;
        const uint32_t offset = uint32_t(imagesStart + images.size());
        file.append(reinterpret_cast<const char*>(entry), 12);  // size, colours, planes, bits, bytes
        for (int b = 0; b < 4; ++b) file.append(char((offset >> (8 * b)) & 0xFF));
        images.append(reinterpret_cast<const char*>(image.data), qsizetype(image.size));
    }
    file.append(images);
    if (!EnsureApplication()) return nullptr;
    const QImage picture = QImage::fromData(file, "ICO");
    if (picture.isNull()) return nullptr;
    // Held until the process ends, as a loaded icon is.
    static std::map<uint16_t, IconHandle> loaded;
    IconHandle& icon = loaded[id];
    icon.icon = QIcon(QPixmap::fromImage(picture));
    return &icon;
}

// WM_SETICON: the window's icon, from the icon handle in lParam.
void SetWindowIcon(HWND window, LPARAM icon) {
    const auto* handle = reinterpret_cast<const IconHandle*>(icon);
    window->widget->setWindowIcon(handle != nullptr ? handle->icon : QIcon());
}

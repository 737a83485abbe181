// Message boxes: modal, owned by the dialog that asked, which is blocked
// until the box is dismissed.
#include <QApplication>
#include <QMessageBox>

#include <cstdlib>

#include "window_handle.h"

// The title a Russian Windows gives a message box that has no caption.
static const char16_t* const DEFAULT_BOX_TITLE = u"Ошибка";

static QString FromWide(LPCWSTR text) { return text != nullptr ? QString::fromWCharArray(text) : QString(); }

static bool HaveDisplay() {
    const char* x11 = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    // A box before any window, with no display to show it on: Qt would end
    // the program with a complaint of its own. The call fails instead, as
    // Win32's does where there is no desktop.
    if (QApplication::instance() == nullptr && !HaveDisplay()) return 0;
    EnsureApplication();
    QMessageBox box(owner != nullptr ? owner->widget : nullptr);
    box.setWindowTitle(caption != nullptr ? FromWide(caption) : QString::fromStdU16String(DEFAULT_BOX_TITLE));
    box.setText(FromWide(text));
    box.setIcon((type & MB_ICONERROR) ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // A Win32 box's frame: a caption with a close box, moved but never
    // minimised or maximised.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The panel is blocked while the box is up, as an owner is disabled.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // As on Windows, the owner is active again once its box is gone, so the
    // keyboard goes back to where it was.
    if (owner != nullptr) owner->widget->activateWindow();
    return IDOK;
}

// Message boxes: modal, owned by the dialog that asked, which is blocked
// until the box is dismissed.
#include <QApplication>
#include <QMessageBox>

#include "window_handle.h"

// The title a Russian Windows gives a message box that has no caption.
static const char16_t* const DEFAULT_BOX_TITLE = u"Ошибка";

static QString FromWide(LPCWSTR text) { return text != nullptr ? QString::fromWCharArray(text) : QString(); }

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (!EnsureApplication()) return 0;
    QMessageBox box(owner != nullptr ? owner->widget : nullptr);
    box.setWindowTitle(caption != nullptr ? FromWide(caption) : QString::fromStdU16String(DEFAULT_BOX_TITLE));
    box.setText(FromWide(text));
    box.setIcon((type & MB_ICONERROR)         ? QMessageBox::Critical
                : (type & MB_ICONINFORMATION) ? QMessageBox::Information
                                               : QMessageBox::NoIcon);
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

// The dialog manager the panel relies on, over Qt Widgets: a modal dialog
// built from the compiled template, with the keyboard, focus and command
// behaviour of a Win32 dialog, and modal message boxes.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "dialog_template.h"
#include "resources.h"
#include "windows.h"

// The title a Russian Windows gives a message box that has no caption.
static const char16_t* const DEFAULT_BOX_TITLE = u"Ошибка";

// The property each control carries its dialog id in; tests find controls by it.
static const char* const CONTROL_ID = "controlId";

// A dialog window: what an HWND points at. It passes the close box and the
// dialog keys to the dialog procedure as a Win32 dialog does.
struct PanelWindowHandle {
    QDialog* dialog;
    DLGPROC proc;
    std::map<int, QWidget*> controls;
    std::vector<QWidget*> order;  // template order
};

struct ModuleHandle {};
struct IconHandle {
    QIcon icon;
};

static ModuleHandle g_module;

// Qt starts on the first window, so that a port library can refuse to run
// before there is any display to speak of. It takes no command line.
static void EnsureApplication() {
    static int argc = 1;
    static char name[] = "kalderon-test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

static QString FromWide(LPCWSTR text) {
    return text != nullptr ? QString::fromWCharArray(text) : QString();
}

static LRESULT Command(HWND window, int id) {
    return window->proc(window, WM_COMMAND, WPARAM(id) | (WPARAM(BN_CLICKED) << 16), 0);
}

// WS_TABSTOP, kept on the control: Qt's own radio buttons move their Tab
// focus policy about with the focus, so that cannot hold it.
static const char* const TAB_STOP = "tabStop";
static bool IsTabStop(const QWidget* control) { return control->property(TAB_STOP).toBool(); }
static void SetTabStop(QWidget* control, bool on) { control->setProperty(TAB_STOP, on); }

// A radio button's check carries its tab stop, as Win32's button control
// has it: checking one makes it a tab stop, unchecking takes that away. An
// auto radio button that is clicked (or reached by an arrow key) unchecks
// every other visible, enabled one of its group, the whole dialog here.
static void CheckAutoRadio(HWND window, QWidget* clicked) {
    for (QWidget* control : window->order)
        if (control != clicked && qobject_cast<QRadioButton*>(control) != nullptr && control->isVisible() &&
            control->isEnabled())
            SetTabStop(control, false);
    SetTabStop(clicked, true);
}

namespace {

class TemplateDialog : public QDialog {
public:
    explicit TemplateDialog(HWND handle) : handle_(handle) {}

protected:
    // Tab and Shift+Tab go to the next or previous visible, enabled tab stop
    // in template order, wrapping round, as Win32's dialog manager does: each
    // radio button with a tab stop is one (Qt would visit only the checked one).
    bool focusNextPrevChild(bool next) override {
        const std::vector<QWidget*>& order = handle_->order;
        const int count = int(order.size());
        int at = -1;
        for (int i = 0; i < count; ++i)
            if (order[i] == focusWidget()) at = i;
        if (at < 0) at = next ? count - 1 : 0;
        for (int step = 1; step < count; ++step) {
            QWidget* candidate = order[(at + (next ? step : count - step)) % count];
            if (IsTabStop(candidate) && candidate->isVisible() && candidate->isEnabled()) {
                candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();  // the dialog procedure decides, through EndDialog
        handle_->proc(handle_, WM_CLOSE, 0, 0);
    }
    // Esc is IDCANCEL. Enter clicks the push button with the focus; anywhere
    // else it is command IDOK, as there is no default push button.
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Escape) {
            Command(handle_, IDCANCEL);
        } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* button = qobject_cast<QPushButton*>(focusWidget());
            if (button != nullptr && button->isVisible())
                button->click();
            else
                Command(handle_, IDOK);
        } else {
            QDialog::keyPressEvent(event);
        }
    }

private:
    HWND handle_;
};

// The dialog font's average character width and height give the base units:
// a horizontal dialog unit is a quarter of the one, a vertical unit an
// eighth of the other.
struct DialogUnits {
    int baseX, baseY;
    QRect Map(int x, int y, int cx, int cy) const {
        return QRect(x * baseX / 4, y * baseY / 8, cx * baseX / 4, cy * baseY / 8);
    }
};

DialogUnits UnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QWidget* CreateButton(const DialogItem& item, QWidget* parent, HWND handle) {
    const QString text = QString::fromStdU16String(item.text);
    QAbstractButton* button = nullptr;
    switch (item.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
        button = new QCheckBox(text, parent);
        break;
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON:
        button = new QRadioButton(text, parent);  // auto-exclusive among its siblings
        if ((item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            QObject::connect(button, &QAbstractButton::clicked, [handle, button] { CheckAutoRadio(handle, button); });
        break;
    default: {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);  // Qt would make a default button; Win32 has none here
        push->setDefault(false);
        if (item.style & BS_MULTILINE) {
            // A push button's text does not wrap in Qt; a label inside does.
            auto* label = new QLabel(text, push);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignCenter);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            auto* layout = new QVBoxLayout(push);
            layout->setContentsMargins(2, 2, 2, 2);
            layout->addWidget(label);
        } else {
            push->setText(text);
        }
        button = push;
    }
    }
    const int id = int(item.id);
    QObject::connect(button, &QAbstractButton::clicked, [handle, id] { Command(handle, id); });
    button->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    SetTabStop(button, item.style & WS_TABSTOP);
    return button;
}

QWidget* CreateStatic(const DialogItem& item, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdU16String(item.text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (item.exStyle & WS_EX_CLIENTEDGE) label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QAbstractButton* ButtonOf(HWND dialog, int id) {
    auto found = dialog->controls.find(id);
    return found != dialog->controls.end() ? qobject_cast<QAbstractButton*>(found->second) : nullptr;
}

}  // namespace

HMODULE GetModuleHandleW(LPCWSTR name) { return name == nullptr ? &g_module : nullptr; }

INT_PTR DialogBoxParamW(HINSTANCE, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    const uint16_t id = LOWORD(reinterpret_cast<uintptr_t>(templateName));
    const ResourceData resource = FindResourceData(RESOURCE_DIALOG, id);
    DialogTemplate tmpl;
    if (resource.data == nullptr || !ParseDialogTemplate(resource.data, resource.size, &tmpl)) return -1;
    EnsureApplication();

    PanelWindowHandle handle = {nullptr, proc, {}, {}};
    TemplateDialog dialog(&handle);
    handle.dialog = &dialog;
    if (owner != nullptr) dialog.setParent(owner->dialog, Qt::Dialog);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QString::fromStdU16String(tmpl.title));
    // The template's font where the system has it, else the nearest it has.
    QFont font(QString::fromStdU16String(tmpl.typeface), tmpl.pointSize);
    font.setStyleHint(QFont::SansSerif);
    dialog.setFont(font);
    const DialogUnits units = UnitsOf(font);

    for (const DialogItem& item : tmpl.items) {
        QWidget* control = item.cls == u"Button"   ? CreateButton(item, &dialog, &handle)
                           : item.cls == u"Static" ? CreateStatic(item, &dialog)
                                                   : new QWidget(&dialog);
        control->setProperty(CONTROL_ID, int(item.id));
        control->setGeometry(units.Map(item.x, item.y, item.cx, item.cy));
        control->setVisible(item.style & WS_VISIBLE);
        control->setEnabled(!(item.style & WS_DISABLED));
        handle.controls[int(item.id)] = control;
        handle.order.push_back(control);
    }
    dialog.setFixedSize(units.Map(0, 0, tmpl.cx, tmpl.cy).size());
    if (tmpl.style & DS_CENTER) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        dialog.move(screen.center() - dialog.rect().center());
    }

    const INT_PTR focusDefault = proc(&handle, WM_INITDIALOG, 0, param);
    if (focusDefault) {
        // The first visible, enabled tab stop, in template order.
        for (QWidget* control : handle.order) {
            if (IsTabStop(control) && control->isVisibleTo(&dialog) && control->isEnabled()) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    dialog.show();
    dialog.activateWindow();
    return dialog.exec();
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    dialog->dialog->done(int(result));
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) { return UINT(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0)); }

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM) {
    QAbstractButton* button = ButtonOf(dialog, id);
    if (button == nullptr) return 0;
    switch (message) {
    case BM_SETCHECK: {
        // BM_SETCHECK sets this button alone, as in Win32: the group's
        // exclusivity is a matter of clicks.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(wParam == BST_CHECKED);
        button->setAutoExclusive(exclusive);
        if (qobject_cast<QRadioButton*>(button) != nullptr) SetTabStop(button, wParam == BST_CHECKED);
        return 0;
    }
    case BM_GETCHECK:
        return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    case BM_CLICK:
        button->click();
        return 0;
    default:
        return 0;
    }
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETICON && (wParam == ICON_SMALL || wParam == ICON_BIG)) {
        const auto* icon = reinterpret_cast<const IconHandle*>(lParam);
        window->dialog->setWindowIcon(icon != nullptr ? icon->icon : QIcon());
    }
    return 0;
}

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
    EnsureApplication();
    const QImage picture = QImage::fromData(file, "ICO");
    if (picture.isNull()) return nullptr;
    // Held until the process ends, as a loaded icon is.
    static std::map<uint16_t, IconHandle> loaded;
    IconHandle& icon = loaded[id];
    icon.icon = QIcon(QPixmap::fromImage(picture));
    return &icon;
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    EnsureApplication();
    QMessageBox box(owner != nullptr ? owner->dialog : nullptr);
    box.setWindowTitle(caption != nullptr ? FromWide(caption) : QString::fromStdU16String(DEFAULT_BOX_TITLE));
    box.setText(FromWide(text));
    box.setIcon((type & MB_ICONERROR) ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // The panel is blocked while the box is up, as an owner is disabled.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // As on Windows, the owner is active again once its box is gone, so the
    // keyboard goes back to where it was.
    if (owner != nullptr) owner->dialog->activateWindow();
    return IDOK;
}

void ExitProcess(UINT code) {
    fflush(nullptr);
    std::exit(int(code));
}

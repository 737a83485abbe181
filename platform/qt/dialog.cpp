// The dialog manager: a modal dialog built from the compiled template, its
// keyboard (Tab, Esc, Enter) and focus, and the messages it passes on to
// its controls.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "dialog_template.h"
#include "resources.h"
#include "window_handle.h"

// The dialogs open now, innermost last; a box's owner is one of them.
static std::vector<HWND> g_dialogs;

LRESULT NotifyParent(HWND control, WORD code) {
    HWND dialog = control->parent;
    return dialog->proc(dialog, WM_COMMAND, WPARAM(control->id) | (WPARAM(code) << 16), 0);
}

static LRESULT Command(HWND dialog, int id) { return dialog->proc(dialog, WM_COMMAND, WPARAM(id), 0); }

HWND HandleOfWidget(const QWidget* widget) {
    for (HWND dialog : g_dialogs)
        for (const auto& control : dialog->children)
            if (control->widget == widget) return control.get();
    return nullptr;
}

static bool CanTakeFocus(HWND control) {
    return (control->style & WS_TABSTOP) && control->widget->isVisibleTo(control->parent->widget) &&
           control->widget->isEnabled();
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
        const auto& order = handle_->children;
        const int count = int(order.size());
        int at = -1;
        for (int i = 0; i < count; ++i)
            if (order[i]->widget == focusWidget()) at = i;
        if (at < 0) at = next ? count - 1 : 0;
        for (int step = 1; step < count; ++step) {
            HWND candidate = order[(at + (next ? step : count - step)) % count].get();
            if (CanTakeFocus(candidate)) {
                candidate->widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
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

}  // namespace

QWidget* CreateStatic(HWND, const std::u16string& text, uint32_t exStyle, QWidget* dialog) {
    auto* label = new QLabel(QString::fromStdU16String(text), dialog);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (exStyle & WS_EX_CLIENTEDGE) label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

static QWidget* CreateControl(HWND control, const DialogItem& item, QWidget* dialog) {
    if (item.cls == u"Button") return CreateButton(control, item.text, dialog);
    if (item.cls == u"Static") return CreateStatic(control, item.text, item.exStyle, dialog);
    return new QWidget(dialog);
}

INT_PTR DialogBoxParamW(HINSTANCE, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    const uint16_t id = LOWORD(reinterpret_cast<uintptr_t>(templateName));
    const ResourceData resource = FindResourceData(RESOURCE_DIALOG, id);
    DialogTemplate tmpl;
    if (resource.data == nullptr || !ParseDialogTemplate(resource.data, resource.size, &tmpl)) return -1;
    EnsureApplication();

    WindowHandle handle;
    handle.proc = proc;
    handle.style = tmpl.style;
    TemplateDialog dialog(&handle);
    handle.widget = &dialog;
    if (owner != nullptr) dialog.setParent(owner->widget, Qt::Dialog);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QString::fromStdU16String(tmpl.title));
    // The template's font where the system has it, else the nearest it has.
    QFont font(QString::fromStdU16String(tmpl.typeface), tmpl.pointSize);
    font.setStyleHint(QFont::SansSerif);
    dialog.setFont(font);
    const DialogUnits units = UnitsOf(font);

    for (const DialogItem& item : tmpl.items) {
        auto control = std::make_unique<WindowHandle>();
        control->id = int(item.id);
        control->style = item.style;
        control->parent = &handle;
        control->widget = CreateControl(control.get(), item, &dialog);
        control->widget->setGeometry(units.Map(item.x, item.y, item.cx, item.cy));
        control->widget->setVisible(item.style & WS_VISIBLE);
        control->widget->setEnabled(!(item.style & WS_DISABLED));
        handle.children.push_back(std::move(control));
    }
    dialog.setFixedSize(units.Map(0, 0, tmpl.cx, tmpl.cy).size());
    if (tmpl.style & DS_CENTER) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        dialog.move(screen.center() - dialog.rect().center());
    }

    g_dialogs.push_back(&handle);
    const INT_PTR focusDefault = proc(&handle, WM_INITDIALOG, 0, param);
    if (focusDefault) {
        // The first visible, enabled tab stop, in template order.
        for (const auto& control : handle.children) {
            if (CanTakeFocus(control.get())) {
                control->widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    dialog.show();
    dialog.activateWindow();
    const INT_PTR result = dialog.exec();
    g_dialogs.erase(std::find(g_dialogs.begin(), g_dialogs.end(), &handle));
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    static_cast<QDialog*>(dialog->widget)->done(int(result));
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
    if (dialog == nullptr) return nullptr;
    for (const auto& control : dialog->children)
        if (control->id == id) return control.get();
    return nullptr;
}

int GetDlgCtrlID(HWND control) { return control != nullptr ? control->id : 0; }

HWND GetFocus() { return HandleOfWidget(QApplication::focusWidget()); }

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SendMessageW(control, message, wParam, lParam) : 0;
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETICON && (wParam == ICON_SMALL || wParam == ICON_BIG)) {
        SetWindowIcon(window, lParam);
        return 0;
    }
    // Of the controls only buttons take messages here.
    return window->parent != nullptr ? ButtonMessage(window, message, wParam) : 0;
}

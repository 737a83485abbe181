// The dialog manager: a modal dialog built from the compiled template, its
// keyboard (Tab, Esc, Enter) and focus, and the messages it passes on to
// its controls.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
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

// --- Navigation: the two walks every key and the first focus go through ------

static bool IsShown(HWND control) {
    return control->widget->isVisibleTo(control->parent->widget) && control->widget->isEnabled();
}

static int IndexOf(HWND dialog, HWND control) {
    for (size_t i = 0; i < dialog->children.size(); ++i)
        if (dialog->children[i].get() == control) return int(i);
    return -1;
}

// The next (or previous) visible, enabled tab stop in template order,
// wrapping round; with no control, the first (or last) one.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const int count = int(dialog->children.size());
    int at = IndexOf(dialog, control);
    if (at < 0) at = previous ? 0 : count - 1;
    for (int step = 1; step <= count; ++step) {
        HWND candidate = dialog->children[(at + (previous ? count - step : step)) % count].get();
        if ((candidate->style & WS_TABSTOP) && IsShown(candidate)) return candidate;
    }
    return nullptr;
}

// The next (or previous) visible, enabled control of the control's group,
// wrapping at the group's ends. A group runs from a control with WS_GROUP
// (or the first control) up to the next control with WS_GROUP.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    const int count = int(dialog->children.size());
    const int at = IndexOf(dialog, control);
    if (at < 0) return nullptr;
    int first = at;
    while (first > 0 && !(dialog->children[first]->style & WS_GROUP)) --first;
    int end = at + 1;
    while (end < count && !(dialog->children[end]->style & WS_GROUP)) ++end;
    const int size = end - first;
    for (int step = 1; step < size; ++step) {
        HWND candidate = dialog->children[first + (at - first + (previous ? size - step : step)) % size].get();
        if (IsShown(candidate)) return candidate;
    }
    return control;
}

static void Focus(HWND control, Qt::FocusReason reason) {
    if (control != nullptr) control->widget->setFocus(reason);
}

// An arrow key: the next control of the group that can take the focus
// (statics cannot). Reaching an unchecked auto radio button clicks it.
static void MoveInGroup(HWND dialog, HWND from, bool previous) {
    HWND to = from;
    for (size_t tries = 0; tries < dialog->children.size(); ++tries) {
        to = GetNextDlgGroupItem(dialog, to, previous);
        if (to == nullptr || to == from || to->cls != u"Static") break;
    }
    if (to == nullptr || to == from || to->cls == u"Static") return;
    Focus(to, previous ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    if (IsAutoRadio(to) && SendMessageW(to, BM_GETCHECK, 0, 0) == BST_UNCHECKED) SendMessageW(to, BM_CLICK, 0, 0);
}

namespace {

// The dialog's keyboard, as IsDialogMessage handles it: each key a control
// would otherwise see for itself comes here first.
class TemplateDialog : public QDialog {
public:
    explicit TemplateDialog(HWND handle) : handle_(handle) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
        return DialogKey(static_cast<QKeyEvent*>(event));
    }

protected:
    bool focusNextPrevChild(bool next) override {
        Focus(GetNextDlgTabItem(handle_, FocusedControl(), !next), next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();  // the dialog procedure decides, through EndDialog
        handle_->proc(handle_, WM_CLOSE, 0, 0);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!DialogKey(event)) QDialog::keyPressEvent(event);
    }

private:
    // The dialog's own focus, whether or not its window is active yet.
    HWND FocusedControl() const { return HandleOfWidget(focusWidget()); }

    // True when the key is the dialog's: Tab, the arrows, Enter and Esc.
    bool DialogKey(QKeyEvent* event) {
        HWND focus = FocusedControl();
        switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (focus != nullptr)
                MoveInGroup(handle_, focus, event->key() == Qt::Key_Left || event->key() == Qt::Key_Up);
            return true;
        case Qt::Key_Escape:
            Command(handle_, IDCANCEL);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The focused push button is the default while it has the
            // focus; with none, Enter is IDOK, as there is no default here.
            if (focus != nullptr && focus->cls == u"Button" && (focus->style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON &&
                IsShown(focus))
                SendMessageW(focus, BM_CLICK, 0, 0);
            else
                Command(handle_, IDOK);
            return true;
        default:
            return false;
        }
    }

    HWND handle_;
};

// The dialog font's average character width and height give the base units:
// a horizontal dialog unit is a quarter of the one, a vertical unit an
// eighth of the other. Place and size are converted each on its own.
struct DialogUnits {
    int baseX, baseY;
    QRect Map(int x, int y, int cx, int cy) const {
        return QRect(MulDiv(x, baseX, 4), MulDiv(y, baseY, 8), MulDiv(cx, baseX, 4), MulDiv(cy, baseY, 8));
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
    if (!EnsureApplication()) return -1;

    WindowHandle handle;
    handle.proc = proc;
    handle.style = tmpl.style;
    TemplateDialog dialog(&handle);
    handle.widget = &dialog;
    if (owner != nullptr) dialog.setParent(owner->widget, Qt::Dialog);
    // A Win32 dialog's frame: a caption with a close box, moved but never
    // minimised or maximised (nor resized: its size is fixed below).
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
        control->cls = item.cls;
        control->id = int(item.id);
        control->style = item.style;
        control->parent = &handle;
        control->widget = CreateControl(control.get(), item, &dialog);
        control->widget->setGeometry(units.Map(item.x, item.y, item.cx, item.cy));
        control->widget->setVisible(item.style & WS_VISIBLE);
        control->widget->setEnabled(!(item.style & WS_DISABLED));
        control->widget->installEventFilter(&dialog);
        handle.children.push_back(std::move(control));
    }
    dialog.setFixedSize(units.Map(0, 0, tmpl.cx, tmpl.cy).size());
    if (tmpl.style & DS_CENTER) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        dialog.move(screen.center() - dialog.rect().center());
    }

    g_dialogs.push_back(&handle);
    if (proc(&handle, WM_INITDIALOG, 0, param)) Focus(GetNextDlgTabItem(&handle, nullptr, FALSE), Qt::OtherFocusReason);
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

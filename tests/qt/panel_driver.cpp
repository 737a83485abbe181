#include "panel_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "panel_dialog.h"
#include "panel_ids.h"
#include "sim_board.h"
#include "window_handle.h"

// The dialog RunDialog opened, recorded at WM_INITDIALOG; the panel's own
// when the entry opened it.
static HWND g_dialog = nullptr;
static DLGPROC g_proc = nullptr;

static HWND DriverDialog() { return g_dialog != nullptr ? g_dialog : PanelSession.window; }

QWidget* Panel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMessageBox*>(w) == nullptr && DriverDialog() != nullptr &&
            w == DriverDialog()->widget)
            return w;
    return nullptr;
}

QWidget* Control(int id) {
    HWND control = Panel() != nullptr ? GetDlgItem(DriverDialog(), id) : nullptr;
    return control != nullptr ? control->widget : nullptr;
}

int ControlId(QWidget* w) { return GetDlgCtrlID(HandleOfWidget(w)); }

bool Checked(int id) {
    auto* b = qobject_cast<QAbstractButton*>(Control(id));
    return b != nullptr && b->isChecked();
}

void ClickAt(QWidget* control) {
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      control->mapTo(window, control->rect().center()));
}

void Click(int id) { ClickAt(Control(id)); }

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(Panel()->windowHandle(), key, modifiers); }

// --- Trace -----------------------------------------------------------------------

static std::string g_tracePath;

void StartTrace() {
    g_tracePath = testing::TempDir() + "kalderon-qt-trace-XXXXXX";
    close(mkstemp(g_tracePath.data()));
    SimBoardTraceTo(g_tracePath.c_str());
}

void StopTrace() {
    SimBoardTraceTo(nullptr);
    remove(g_tracePath.c_str());
}

std::vector<std::string> Trace() {
    std::vector<std::string> lines;
    std::ifstream in(g_tracePath);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Since(const std::vector<std::string>& trace, size_t from) {
    return std::vector<std::string>(trace.begin() + std::min(from, trace.size()), trace.end());
}

// --- Message boxes -------------------------------------------------------------------

// Answers a box once it is shown and its own loop runs, so nothing polls.
struct BoxAnswerer::Filter : QObject {
    BoxAnswerer* owner;
    explicit Filter(BoxAnswerer* o) : owner(o) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show)
            QTimer::singleShot(0, box, [this, box] { Answer(box); });
        return false;
    }

    void Answer(QMessageBox* box) {
        bool blocked = QGuiApplication::modalWindow() == box->windowHandle();
        if (owner->probePanel) {
            const bool before = Checked(IDC_BIT0 + 2);
            ClickAt(Control(IDC_BIT0 + 2));
            blocked = blocked && Checked(IDC_BIT0 + 2) == before;
        }
        const size_t lines = owner->traceLines ? owner->traceLines() : Trace().size();
        const Qt::WindowFlags flags = box->windowFlags();
        const bool closeOnly = (flags & Qt::WindowCloseButtonHint) &&
                               !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        owner->boxes.push_back({box->text(), box->windowTitle(), blocked, lines, closeOnly});
        ClickAt(box->button(QMessageBox::Ok));
    }
};

BoxAnswerer::BoxAnswerer() : filter_(new Filter(this)) { qApp->installEventFilter(filter_); }

BoxAnswerer::~BoxAnswerer() {
    qApp->removeEventFilter(filter_);
    delete filter_;
}

// --- Running the panel -------------------------------------------------------------------

static INT_PTR CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) g_dialog = window;
    return g_proc(window, message, wParam, lParam);
}

INT_PTR RunPanel(const std::function<void()>& script) { return RunDialog(IDD_PANEL, PanelDialogProc, script); }

INT_PTR RunDialog(int templateId, DLGPROC proc, const std::function<void()>& script) {
    bool played = false;
    QTimer::singleShot(0, [&] {
        // As an operator would, wait for the window to be up and active.
        if (Panel() == nullptr || !QTest::qWaitForWindowActive(Panel()->windowHandle()))
            ADD_FAILURE() << "the panel did not become active";
        script();
        played = true;
        if (Panel() != nullptr) {
            ADD_FAILURE() << "the script left the panel open";
            Key(Qt::Key_Escape);
        }
    });
    PanelSession.instance = GetModuleHandleW(nullptr);
    StepNotifier = PanelStepNotifier;  // as the entry installs it
    g_proc = proc;
    const INT_PTR result = DialogBoxParamW(PanelSession.instance, MAKEINTRESOURCEW(templateId), nullptr, RecordingProc, 0);
    g_dialog = nullptr;
    PanelSession.window = nullptr;  // gone with its dialog
    EXPECT_TRUE(played);
    return result;
}

// --- The shared scenarios' driver ---------------------------------------------------

namespace {

// In PanelKey's order; Shift+Tab is Tab with Shift held.
const Qt::Key QT_KEYS[] = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape,
                           Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};

class QtPanelDriver : public PanelDriver {
public:
    void Click(int id) override { ::Click(id); }
    void Key(PanelKey key) override {
        ::Key(QT_KEYS[int(key)], key == PanelKey::ShiftTab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    bool Checked(int id) override { return ::Checked(id); }
    int FocusedId() override { return GetDlgCtrlID(GetFocus()); }
    void FocusOn(int id) override { Control(id)->setFocus(Qt::OtherFocusReason); }
    void CloseBox() override { Panel()->windowHandle()->close(); }
    bool PanelOpen() override { return Panel() != nullptr; }
    std::vector<std::string> Trace() override { return ::Trace(); }
    std::vector<BoxSeen> Answering(const std::function<void()>& act) override {
        BoxAnswerer answerer;
        answerer.probePanel = true;
        act();
        std::vector<BoxSeen> seen;
        for (const Box& b : answerer.boxes)
            seen.push_back({b.text.toStdU16String(), b.title.toStdU16String(), b.panelBlocked, b.traceLines});
        return seen;
    }
    std::u16string DefaultBoxTitle() override { return u"Ошибка"; }
};

}  // namespace

PanelDriver& QtDriver() {
    static QtPanelDriver driver;
    return driver;
}

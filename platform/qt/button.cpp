// The button control: push buttons, auto check boxes and auto radio buttons,
// their messages, and what a click tells the dialog.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "window_handle.h"

static QAbstractButton* ButtonWidget(HWND control) { return qobject_cast<QAbstractButton*>(control->widget); }

bool IsAutoRadio(HWND control) {
    return control->cls == u"Button" && (control->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// BM_SETCHECK sets this button alone; the group's exclusivity is a matter
// of clicks. A radio button's check carries its tab stop, as Win32's button
// control has it, here and nowhere else.
static void SetCheck(HWND control, bool checked) {
    ButtonWidget(control)->setChecked(checked);
    if ((control->style & BS_TYPEMASK) != BS_AUTORADIOBUTTON && (control->style & BS_TYPEMASK) != BS_RADIOBUTTON)
        return;
    control->style = checked ? control->style | WS_TABSTOP : control->style & ~WS_TABSTOP;
}

// A clicked auto radio button is checked and every other auto radio button
// of its WS_GROUP run is not, each through BM_SETCHECK.
static void ClickAutoRadio(HWND clicked) {
    HWND dialog = clicked->parent;
    for (HWND member = GetNextDlgGroupItem(dialog, clicked, FALSE); member != nullptr && member != clicked;
         member = GetNextDlgGroupItem(dialog, member, FALSE))
        if (IsAutoRadio(member)) SendMessageW(member, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(clicked, BM_SETCHECK, BST_CHECKED, 0);
}

static QPushButton* CreatePushButton(HWND control, const QString& text, QWidget* dialog) {
    auto* push = new QPushButton(dialog);
    push->setAutoDefault(false);  // Qt would make a default button; Win32 has none here
    push->setDefault(false);
    if (control->style & BS_MULTILINE) {
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
    return push;
}

QWidget* CreateButton(HWND control, const std::u16string& text16, QWidget* dialog) {
    const QString text = QString::fromStdU16String(text16);
    QAbstractButton* button = nullptr;
    switch (control->style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
        button = new QCheckBox(text, dialog);
        break;
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON:
        button = new QRadioButton(text, dialog);
        button->setAutoExclusive(false);  // exclusive by WS_GROUP run, not by Qt's parent
        if (IsAutoRadio(control))
            QObject::connect(button, &QAbstractButton::clicked, [control] { ClickAutoRadio(control); });
        break;
    default:
        button = CreatePushButton(control, text, dialog);
    }
    QObject::connect(button, &QAbstractButton::clicked, [control] { NotifyParent(control, BN_CLICKED); });
    button->setFocusPolicy((control->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

LRESULT ButtonMessage(HWND control, UINT message, WPARAM wParam) {
    QAbstractButton* button = ButtonWidget(control);
    if (button == nullptr) return 0;
    switch (message) {
    case BM_SETCHECK:
        SetCheck(control, wParam == BST_CHECKED);
        return 0;
    case BM_GETCHECK:
        return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    case BM_CLICK:
        button->click();
        return 0;
    default:
        return 0;
    }
}

UINT IsDlgButtonChecked(HWND dialog, int id) { return UINT(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0)); }

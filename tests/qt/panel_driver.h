// Drives the Linux panel from inside its own process, as an operator would:
// window-level mouse and key events (which respect modality, unlike
// widget-level ones), message boxes answered as they come up, and the
// simulated board's port trace.
#pragma once

#include <QString>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "panel_scenarios.h"
#include "windows.h"

QWidget* Panel();            // the open panel (or the dialog RunDialog opened), or null
QWidget* Control(int id);    // a control of the panel by its dialog id
int ControlId(QWidget* w);   // and back; 0 for none
bool Checked(int id);
void ClickAt(QWidget* control);  // a left click at its middle, on its window
void Click(int id);
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The simulated board's trace, one "W 378 5A" line per access, in a file of
// its own for each test.
void StartTrace();
void StopTrace();
std::vector<std::string> Trace();
std::vector<std::string> Since(const std::vector<std::string>& trace, size_t from);

struct Box {
    QString text;
    QString title;
    bool panelBlocked;  // the box was the modal window (and, when probed, a click on the panel did nothing)
    size_t traceLines;  // port accesses recorded when it came up
    bool closeBoxOnly;  // its frame asks for a close box, no minimise or maximise
};

// While one exists, answers every message box as it comes up: notes what it
// showed, checks that it blocks the panel, and clicks its OK button.
class BoxAnswerer {
public:
    BoxAnswerer();
    ~BoxAnswerer();
    std::vector<Box> boxes;
    bool probePanel = false;              // also click an input box on the panel, which must not change
    std::function<size_t()> traceLines;   // how to count port accesses; Trace().size() by default

private:
    struct Filter;
    Filter* filter_;
};

// Runs the panel modally, as the entry does, and plays `script` inside its
// loop once the window is active; the script ends by closing the panel.
// Returns DialogBoxParamW's result.
INT_PTR RunPanel(const std::function<void()>& script);
// The same for any dialog of the test program's resources.
INT_PTR RunDialog(int templateId, DLGPROC proc, const std::function<void()>& script);

// The shared scenarios' driver over the functions above: each box answered
// as it comes up, with a click on the panel to prove it blocked.
PanelDriver& QtDriver();

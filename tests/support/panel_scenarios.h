// The panel scenarios both panels are held to, written once: the Windows one
// under Wine and the Linux one over Qt each run every scenario through a
// small driver of their own. A scenario starts on a fresh panel and leaves it
// open; its suite closes it. Only Win32 names, so both suites compile it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "expected_traffic.h"  // CYCLE_PAUSES, and the traffic the scenarios expect

// The keys a scenario presses, as an operator would.
enum class PanelKey { Tab, ShiftTab, Enter, Space, Escape, Left, Right, Up, Down };

// A message box as it came up.
struct BoxSeen {
    std::u16string text;
    std::u16string title;
    bool panelBlocked;  // the panel took no input while the box was up
    size_t traceLines;  // port accesses recorded when it came up
};

class PanelDriver {
public:
    virtual ~PanelDriver() = default;
    virtual void Click(int id) = 0;  // a click on a control of the panel
    virtual void Key(PanelKey key) = 0;
    virtual bool Checked(int id) = 0;
    virtual int FocusedId() = 0;      // the control with the focus, 0 for none
    virtual void FocusOn(int id) = 0;  // as the dialog manager moves the focus
    virtual void CloseBox() = 0;      // the frame's close box
    virtual bool PanelOpen() = 0;
    // The simulated board's trace since the panel opened: "W 378 5A".
    virtual std::vector<std::string> Trace() = 0;
    // Runs act and answers every message box it brings up, with OK.
    virtual std::vector<BoxSeen> Answering(const std::function<void()>& act) = 0;
    // The title of a box that was given none: the platform's default, or
    // empty where any non-empty title will do.
    virtual std::u16string DefaultBoxTitle() = 0;
};

struct PanelScenario {
    const char* name;
    std::function<void(PanelDriver&)> run;
};

const std::vector<PanelScenario>& PanelScenarios();

// Scenarios on the group dialog (group_dialog.h) rather than the panel.
const std::vector<PanelScenario>& GroupDialogScenarios();

// The ways to end the panel; each must end the program with code 0.
const std::vector<PanelScenario>& PanelEndings();

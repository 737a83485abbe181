#include "step_recorder.h"

#include "bus_cycles.h"

std::vector<std::wstring> StepPauses;
void (*OnStepPause)() = nullptr;

static void RecordStepPause(const wchar_t* text) {
    StepPauses.push_back(text);
    if (OnStepPause != nullptr) OnStepPause();
}

void ResetStepRecorder() {
    StepPauses.clear();
    OnStepPause = nullptr;
    StepNotifier = RecordStepPause;
}

#include "step_recorder.h"

#include "bus_cycles.h"

std::vector<std::wstring> StepPauses;
void (*OnStepPause)() = nullptr;

void ResetStepRecorder() {
    StepPauses.clear();
    OnStepPause = nullptr;
}

void StepNotifier(const wchar_t* text) {
    StepPauses.push_back(text);
    if (OnStepPause != nullptr) OnStepPause();
}

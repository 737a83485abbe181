// A StepNotifier for tests, installed by ResetStepRecorder: records each
// pause's text and runs an optional hook while the pause is "up".
#pragma once

#include <string>
#include <vector>

extern std::vector<std::wstring> StepPauses;
extern void (*OnStepPause)();

void ResetStepRecorder();

// The program's entry, above every part it hands over to: it reads the
// command line once, starts the port, and gives the run to the panel, a
// board script or the check, each with what it needs.
#include <windows.h>

#include "board_script.h"
#include "check_report.h"
#include "clock.h"
#include "command_line.h"
#include "console.h"
#include "panel_dialog.h"
#include "port_check.h"
#include "port_start.h"
#include "run_end.h"
#include "said.h"
#include "session_record.h"

// The whole start, one story: each step returns what it found, and where
// the run goes no further, it ends here with that step's status: the
// command line's (0 for help or the version, 2 for a usage error), the
// script's (2), a refusal of the record's file or the port (1). Only what
// fails later, inside a command (a port gone, a line of a record or a trace
// not written), ends the run from where it failed, through the same EndRun.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const char* const* args = nullptr;
    const int count = ProgramArguments(&args);
    const CommandLine line = ReadCommandLine(count, args, PortNamed());
    BeginRun(THIS_PROGRAM, line.script != nullptr ? RunKind::Script
                                   : line.check            ? RunKind::Check
                                                           : RunKind::Panel);
    // Help, the version, or a usage error: answered, touching no port.
    if (line.asked != ProgramAsked::Panel) {
        const Answer answer = CommandLineAnswer(line, THIS_PROGRAM);
        const bool wrong = line.asked == ProgramAsked::Wrong;
        EndRun(wrong ? EXIT_WRONG : EXIT_DONE, answer.text, ANSWER_IN_BOX ? answer.text : nullptr,
               wrong ? Voice::Usage : Voice::Text);
    }
    // A board script is read and checked whole, and a session's record
    // opened, before the port is taken: a wrong word never reaches it.
    static BoardScript script;
    static ScriptTrouble scriptTrouble;
    if (line.script != nullptr && !LoadBoardScript(line.script, &script, &scriptTrouble))
        EndRun(EXIT_WRONG, scriptTrouble.said, nullptr, scriptTrouble.voice);
    static Trouble recordTrouble;
    if (line.record != nullptr && !StartRecording(line.record, &recordTrouble))
        EndWithTrouble(recordTrouble.english, recordTrouble.russian);
    // Nothing may run on a port that is not there.
    const PortStarted port = PortStart(line.port, EndWithTrouble);
    if (port.port == nullptr) EndWithTrouble(port.english, port.russian);
    // A check answers in the console, and in a box where no one would see
    // it there.
    if (line.check) {
        static CheckSaid said;
        const int status =
            SayPortCheck(CheckPort(port.controlFromPort, ClockNanoseconds), port, &said);
        SayToConsole(said.text, false);
        EndRun(status, "", said.text);
    }
    // The script runs in place of the panel, with no window, pausing on the
    // operator's terminal.
    if (line.script != nullptr) {
        StepNotifier = ScriptStepPause;
        EndRun(RunBoardScript(script, port.where != nullptr ? port.where : In(SAID_ON_THE_SIMULATED_BOARD)));
    }
    // Else the panel, its session recorded where asked.
    if (line.record != nullptr) RecordHead(THIS_PROGRAM.product, port.port);
    if (!ShowPanel(line.record != nullptr ? RecordCommand : nullptr))
        EndRun(EXIT_TROUBLE, THIS_PROGRAM.noWindow, nullptr, Voice::Program);
    EndRun(EXIT_DONE);
}

// Over the Win32 calls, which the Qt layer gives the Linux programs: the box
// and the end are the same on both platforms.
#include <windows.h>

#include <cstring>

#include "run_end.h"

#include "console.h"
#include "said.h"
#include "text.h"

static const char* g_program = "";
static bool g_usageNamed;
static RunKind g_kind;

void BeginRun(const ProgramWords& program, RunKind kind) {
    g_program = program.product;
    g_usageNamed = program.usageErrorNamed;
    g_kind = kind;
}

// The one rule for whether a text begins with the program's name.
static bool Named(Voice voice) { return voice == Voice::Program || (voice == Voice::Usage && g_usageNamed); }

static void Say(const char* text, bool error, Voice voice) {
    if (Named(voice)) {
        SayToConsole(g_program, error);
        SayToConsole(": ", error);
    }
    SayToConsole(text, error);
    if (text[strlen(text) - 1] != '\n') SayToConsole("\n", error);
}

// A box wraps its own lines: a text's soft breaks (" \n" and the indent
// after it, words_windows.cpp) become spaces, so that it shows paragraphs.
static const wchar_t* Paragraphs(const char* text) {
    static wchar_t wide[SAID_MAX];
    WidenUtf8(text, wide, SAID_MAX);
    wchar_t* to = wide;
    for (const wchar_t* from = wide; *from != L'\0'; ++from) {
        *to++ = *from;
        if (from[0] == L' ' && from[1] == L'\n')
            for (++from; from[1] == L' ';) ++from;
    }
    *to = L'\0';
    return wide;
}

void EndRun(int status, const char* said, const char* boxed, Voice voice) {
    const bool error = status != EXIT_DONE;
    if (said[0] != '\0') Say(said, error, voice);
    // What was said must have reached its stream, or the run would end as
    // if it had: the lines of a board check lost to a full disk, status 0.
    if (const int lost = StreamLost(false)) {
        char why[256] = "";
        Add(why, In(SAID_OUTPUT_LOST));
        AddSystemReason(why, sizeof why, lost);
        Say(why, true, Voice::Program);
    }
    if ((StreamLost(false) != 0 || StreamLost(true) != 0) && status == EXIT_DONE) status = EXIT_TROUBLE;
    // Asked only here: on Windows the asking attaches the starter's console,
    // whose Ctrl+C and closing would then end a running panel.
    if (boxed != nullptr && g_kind != RunKind::Script && !StartedFromConsole()) {
        wchar_t caption[64] = L"";
        Add(caption, g_program);
        // An error box takes the platform's own caption, as the panel's do.
        MessageBoxW(nullptr, Paragraphs(boxed), error ? nullptr : caption,
                    MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
    }
    ExitProcess(UINT(status));
}

// The console hears it in the program's language, as the box does on Windows.
void EndWithTrouble(const char* english, const char* russian) {
    EndRun(EXIT_TROUBLE, In({english, russian}), russian, Voice::Program);
}

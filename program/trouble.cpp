#include "trouble.h"

#include <cstring>
#include <iterator>

struct FileName {
    char english[24];
    char russian[48];
};
static const FileName NAMES[] = {{"the port trace", " файл трассировки порта "},
                                 {"the session's record", " файл записи сеанса "}};  // by RecordFile
static_assert(std::size(NAMES) == size_t(RecordFile::Count), "a name for each RecordFile");

void SayFileTrouble(Trouble* said, RecordFile file, const char* path, int error, bool atStart) {
    const FileName& name = NAMES[int(file)];
    const char* reason = strerror(error);
    said->english[0] = said->russian[0] = '\0';
    Add(said->english, "cannot write ", name.english, " ", path, ": ", reason, ".");
    Add(said->russian, "Не удалось ", atStart ? "создать" : "записать", name.russian, path, ":\n", reason, ".");
}

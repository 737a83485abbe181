#include "trouble.h"

#include <cstring>
#include <iterator>

struct FileName {
    const char* english;
    const char* russian;
};
static const FileName NAMES[] = {{"the port trace", " файл трассировки порта "},
                                 {"the session's record", " файл записи сеанса "}};  // by RecordFile
static_assert(std::size(NAMES) == size_t(RecordFile::Count), "a name for each RecordFile");

Trouble FileTrouble(RecordFile file, const char* path, int error, bool atStart) {
    const FileName& name = NAMES[int(file)];
    const char* reason = strerror(error);
    Trouble said = {};
    Add(said.english, "cannot write ", name.english, " ", path, ": ", reason, ".");
    Add(said.russian, "Не удалось ", atStart ? "создать" : "записать", name.russian, path, ":\n", reason, ".");
    return said;
}

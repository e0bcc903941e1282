#include "platform/BuiltinStrings.h"

#include <cstring>

namespace platform {
namespace {
struct Entry {
    unsigned id;
    const char* text;
};
#define STR(id, text) {id, text},
const Entry kTable[] = {
#include "res/StringTable.inc"
};
#undef STR
}  // namespace

const char* BuiltinString(unsigned id) {
    for (const Entry& e : kTable)
        if (e.id == id) return e.text;
    return nullptr;
}

int LoadBuiltinString(unsigned id, char* buf, int size) {
    if (!buf || size <= 0) return 0;
    const char* s = BuiltinString(id);
    if (!s) {
        buf[0] = '\0';
        return 0;
    }
    std::size_t n = std::strlen(s);
    if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
    std::memcpy(buf, s, n);
    buf[n] = '\0';
    return static_cast<int>(n);
}

}  // namespace platform

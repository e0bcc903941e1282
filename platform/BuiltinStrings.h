// The program's string table compiled into the code, for builds and fakes
// that have no resources to load it from.
#pragma once

namespace platform {
// The text of string id, or null when the table has no such entry.
const char* BuiltinString(unsigned id);
// LoadStringA's contract over the built-in table.
int LoadBuiltinString(unsigned id, char* buf, int size);
}  // namespace platform

// Reading enumerations and sets from window descriptions: a value names one
// of a fixed list of identifiers (bsLowered, tmBoth ...).
#pragma once

#include <initializer_list>
#include <string>

#include "platform/Exceptions.h"
#include "toolkit/FormDescription.h"

// The position of the value's identifier in names; throws EReadError naming
// what was expected when it is not there.
inline int EnumFromValue(const PropertyValue& value, std::initializer_list<const char*> names, const char* what) {
    const std::string& id = value.AsIdentifier();
    int i = 0;
    for (const char* n : names) {
        if (id == n) return i;
        ++i;
    }
    throw EReadError(std::string("unknown ") + what + " " + id);
}

template <class E>
E EnumFromValue(const PropertyValue& value, std::initializer_list<const char*> names, const char* what) {
    return static_cast<E>(EnumFromValue(value, names, what));
}

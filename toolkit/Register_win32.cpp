#include "toolkit/Register.h"

#include "toolkit/DescriptionReader.h"

void RegisterToolkitComponents() {
    // Standard controls register here as they are written.
    (void)ComponentRegistry::Instance();
}

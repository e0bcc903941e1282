#include "widgets/Register.h"

#include "toolkit/DescriptionReader.h"

void RegisterWidgetComponents() { (void)ComponentRegistry::Instance(); }

#include "widgets/Register.h"

#include "toolkit/DescriptionReader.h"
#include "widgets/Calendar.h"
#include "widgets/Spin.h"

void RegisterWidgetComponents() {
    ComponentRegistry& r = ComponentRegistry::Instance();
    r.Register<TCalendar>("TCalendar");
    r.Register<TSpinButton>("TSpinButton");
}

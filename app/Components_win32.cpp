#include "app/Components.h"

#include "media/Register.h"
#include "toolkit/Register.h"
#include "widgets/Register.h"

void RegisterComponents() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterToolkitComponents();
    RegisterWidgetComponents();
    RegisterMediaComponents();
}

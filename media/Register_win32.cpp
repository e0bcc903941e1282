#include "media/Register.h"

#include "media/MPlayer.h"
#include "toolkit/DescriptionReader.h"

void RegisterMediaComponents() {
    ComponentRegistry& r = ComponentRegistry::Instance();
    r.Register<TMediaPlayer>("TMediaPlayer");
}

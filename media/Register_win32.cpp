#include "media/Register.h"

#include "media/MPlayer.h"
#include "media/Timer.h"
#include "toolkit/DescriptionReader.h"

void RegisterMediaComponents() {
    ComponentRegistry& r = ComponentRegistry::Instance();
    r.Register<TTimer>("TTimer");
    r.Register<TMediaPlayer>("TMediaPlayer");
}

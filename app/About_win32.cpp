#include "app/About.h"

TAboutFrm* AboutFrm = nullptr;

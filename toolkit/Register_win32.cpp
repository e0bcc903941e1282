#include "toolkit/Register.h"

#include "toolkit/Bevel.h"
#include "toolkit/BitBtn.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/Edit.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/Menus.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabbedNotebook.h"
#include "toolkit/TrackBar.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

void RegisterToolkitComponents() {
    // Standard controls register here as they are written.
    (void)ComponentRegistry::Instance();
    ComponentRegistry::Instance().Register<TSpeedButton>("TSpeedButton");
    ComponentRegistry::Instance().Register<TButton>("TButton");
    ComponentRegistry::Instance().Register<TLabel>("TLabel");
    ComponentRegistry::Instance().Register<TImage>("TImage");
    ComponentRegistry::Instance().Register<TBevel>("TBevel");
    ComponentRegistry::Instance().Register<TTabbedNotebook>("TTabbedNotebook");
    ComponentRegistry::Instance().Register<TTabPage>("TTabPage");
    ComponentRegistry::Instance().Register<TGroupBox>("TGroupBox");
    ComponentRegistry::Instance().Register<TPanel>("TPanel");
    ComponentRegistry::Instance().Register<TTrackBar>("TTrackBar");
    ComponentRegistry::Instance().Register<TEdit>("TEdit");
    ComponentRegistry::Instance().Register<TMemo>("TMemo");
    ComponentRegistry::Instance().Register<TCheckBox>("TCheckBox");
    ComponentRegistry::Instance().Register<TStatusBar>("TStatusBar");
    ComponentRegistry::Instance().Register<TOpenDialog>("TOpenDialog");
    ComponentRegistry::Instance().Register<TBitBtn>("TBitBtn");
    ComponentRegistry::Instance().Register<TMainMenu>("TMainMenu");
    ComponentRegistry::Instance().Register<TMenuItem>("TMenuItem");
    ComponentRegistry::Instance().Register<TTimer>("TTimer");
}

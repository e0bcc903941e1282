// The media player control's window: painting the button row from the
// loaded bitmaps, mouse and keyboard, focus, and completion notifications.
#include "media/MPlayer.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "media/MciConstants.h"
#include "platform/Exceptions.h"
#include "platform/ScopedWin32.h"
#include "platform/SystemLibraries.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"
#include "toolkit/StartupTrace.h"

namespace {

// The colour the button bitmaps paint where the face shows through.
const COLORREF kTransparent = RGB(128, 128, 0);

TButtonSet ButtonSetFromValue(const PropertyValue& value) {
    TButtonSet set;
    for (const PropertyValue& item : value.AsList())
        set.Include(EnumFromValue<TMPBtnType>(
            item, {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"},
            "media player button"));
    return set;
}

TMPDeviceTypes DeviceTypeFromValue(const PropertyValue& value) {
    return EnumFromValue<TMPDeviceTypes>(
        value,
        {"dtAutoSelect", "dtAVIVideo", "dtCDAudio", "dtDAT", "dtDigitalVideo", "dtMMMovie", "dtOther", "dtOverlay",
         "dtScanner", "dtSequencer", "dtVCR", "dtVideodisc", "dtWaveAudio"},
        "device type");
}

void Polyline3(HDC dc, const TRowPoint (&points)[3]) {
    // LineTo leaves out each segment's end point, as the row expects.
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    LineTo(dc, points[1].x, points[1].y);
    LineTo(dc, points[2].x, points[2].y);
}

}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* owner)
    : TWinControl(owner),
      device_(std::make_unique<TMediaDevice>(static_cast<TMediaNotifyTarget*>(this))),
      row_(std::make_unique<TButtonRow>(*device_)) {
    row_->OnClick = [this](TMPBtnType button, bool& doDefault) {
        if (OnClick) OnClick(this, button, doDefault);
    };
    row_->OnPostClick = [this](TMPBtnType button) {
        if (OnPostClick) OnPostClick(this, button);
    };
    LoadImages();
    TMediaPlayer::SetBounds(0, 0, 240, 30);
}

TMediaPlayer::~TMediaPlayer() {
    // The device goes first (closed without asking for a notification),
    // then the window, so that nothing it posts finds a half-freed player.
    device_.reset();
    DestroyHandle();
    row_.reset();
    FreeImages();
}

// The row's layout needs every image's size at once; the pictures are made
// only when a button is first drawn (a hidden player never draws, and most
// show two buttons of nine). The sizes come from the bitmap resources' headers.
void TMediaPlayer::LoadImages() {
    STARTUP_PROBE("pictures");
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 0; i < 3; ++i) {
        for (int b = 0; b < MPButtonCount; ++b) {
            auto image = static_cast<TButtonImage>(i);
            auto button = static_cast<TMPBtnType>(b);
            // A missing image is not drawn; the row keeps its expected size.
            HRSRC found = FindResourceA(instance, TButtonRow::ImageName(image, button).c_str(),
                                        reinterpret_cast<LPCSTR>(RT_BITMAP));
            if (!found || SizeofResource(instance, found) < sizeof(BITMAPCOREHEADER)) continue;
            const void* data = LockResource(LoadResource(instance, found));
            if (!data) continue;
            BITMAPINFOHEADER header;
            std::memcpy(&header, data, std::min<std::size_t>(sizeof header, SizeofResource(instance, found)));
            if (header.biSize == sizeof(BITMAPCOREHEADER)) {
                BITMAPCOREHEADER core;
                std::memcpy(&core, data, sizeof core);
                row_->SetImageSize(image, button, core.bcWidth, core.bcHeight);
            } else if (header.biSize >= sizeof header) {
                row_->SetImageSize(image, button, header.biWidth, std::abs(header.biHeight));
            }
        }
    }
}

HBITMAP TMediaPlayer::Image(TButtonImage image, TMPBtnType button) {
    HBITMAP& bitmap = images_[static_cast<int>(image)][static_cast<int>(button)];
    if (!bitmap) bitmap = LoadBitmapA(GetModuleHandleA(nullptr), TButtonRow::ImageName(image, button).c_str());
    return bitmap;
}

void TMediaPlayer::FreeImages() {
    for (auto& row : images_) {
        for (HBITMAP& bitmap : row) {
            if (bitmap) DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

void TMediaPlayer::SetVisibleButtons(TButtonSet buttons) {
    if (buttons == row_->VisibleButtons()) return;
    TRowSize size = row_->SetVisibleButtons(buttons);
    if (Loading()) {
        // A description keeps its stored size; only the button width follows.
        row_->KeepSize(Width(), Height());
    } else {
        SetBounds(Left(), Top(), size.width, size.height);
    }
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
    if (buttons == row_->EnabledButtons()) return;
    row_->SetEnabledButtons(buttons);
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet buttons) {
    if (buttons == row_->ColoredButtons()) return;
    row_->SetColoredButtons(buttons);
    Invalidate();
}

void TMediaPlayer::SetDisplay(TWinControl* control) {
    std::uintptr_t window = control ? reinterpret_cast<std::uintptr_t>(control->Handle()) : 0;
    device_->SetDisplay(window);
    // A window the device refused is not kept.
    display_ = device_->Display() == window ? control : nullptr;
}

void TMediaPlayer::SetBounds(int left, int top, int width, int height) {
    // Until the window exists (and while a description is read) the size is
    // taken as it is; the row's own minimum applies from then on.
    if (Loading() || !HandleAllocated()) {
        row_->KeepSize(width, height);
        TWinControl::SetBounds(left, top, width, height);
        return;
    }
    TRowSize size = row_->Resize(width, height);
    TWinControl::SetBounds(left, top, size.width, size.height);
}

void TMediaPlayer::Loaded() {
    TWinControl::Loaded();
    row_->KeepSize(Width(), Height());
    device_->Loaded();
}

void TMediaPlayer::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    // A leaf control: dialog navigation must stop here, not look inside.
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    params.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TMediaPlayer::WindowCreated() {
    TWinControl::WindowCreated();
    SetBounds(Left(), Top(), Width(), Height());
}

void TMediaPlayer::EnabledChanged() {
    TWinControl::EnabledChanged();
    Invalidate();
}

std::uintptr_t TMediaPlayer::CallbackWindow() {
    // Made on demand: an invisible player receives its notifications too.
    return reinterpret_cast<std::uintptr_t>(Handle());
}

void TMediaPlayer::ButtonsChanged() { Invalidate(); }

void TMediaPlayer::Notified() {
    if (OnNotify) {
        TNotifyEvent handler = OnNotify;  // the handler may replace itself
        handler(this);
    }
}

void TMediaPlayer::Redraw() {
    if (!handle_) return;
    InvalidateRect(handle_, nullptr, FALSE);
    UpdateWindow(handle_);
}

void TMediaPlayer::Act(unsigned rowAction) {
    if (rowAction & raCapture) SetCapture(handle_);
    if (rowAction & raRepaint) Redraw();
}

LRESULT TMediaPlayer::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (msg) {
        case mci::MmMciNotify: device_->HandleNotify(wParam); return 0;
        case WM_ERASEBKGND: return 1;  // the row paints every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle_, &ps);
            PaintBuffered(dc);
            EndPaint(handle_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT: PaintRow(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: Act(row_->MouseDown(x)); return 0;
        case WM_MOUSEMOVE: Act(row_->MouseMove(x, y)); return 0;
        case WM_LBUTTONUP: {
            // Where the button comes up decides, even without a move before.
            row_->MouseMove(x, y);
            bool click = row_->MouseUp();
            if (GetCapture() == handle_) ReleaseCapture();
            if (click) {
                Redraw();
                row_->ClickPressed();
            }
            return 0;
        }
        case WM_CANCELMODE:
        case WM_CAPTURECHANGED:
            // The capture was taken away (a modal window): the press ends unclicked.
            if (row_->MouseIsDown()) {
                row_->MouseUp();
                if (msg == WM_CANCELMODE && GetCapture() == handle_) ReleaseCapture();
                Redraw();
            }
            break;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                row_->KeyDown(rkSpace);
                return 0;
            }
            if (wParam == VK_LEFT || wParam == VK_RIGHT) {
                Act(row_->KeyDown(wParam == VK_LEFT ? rkLeft : rkRight));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: Invalidate(); break;
        default: break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

void TMediaPlayer::PaintBuffered(HDC dc) {
    RECT r;
    GetClientRect(handle_, &r);
    // Drawn off screen first: the row is redrawn on every press and release.
    scoped::MemoryDC memory(dc);
    scoped::GdiObject bitmap(CreateCompatibleBitmap(dc, r.right, r.bottom));
    if (!memory || !bitmap) {
        PaintRow(dc);
        return;
    }
    scoped::SelectedObject selected(memory.Get(), bitmap.Get());
    PaintRow(memory.Get());
    BitBlt(dc, 0, 0, r.right, r.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void TMediaPlayer::PaintRow(HDC dc) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    scoped::GdiObject framePen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWFRAME)));
    scoped::GdiObject highlightPen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    scoped::GdiObject shadowPen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    scoped::GdiObject faceBrush(CreateSolidBrush(face));
    scoped::SavedDC saved(dc);

    SelectObject(dc, framePen.Get());
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 0, 0, row_->Width(), row_->Height());

    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    for (const TButtonPaint& p : row_->Paint(Enabled(), Focused())) {
        SelectObject(dc, framePen.Get());
        SelectObject(dc, faceBrush.Get());
        Rectangle(dc, p.face.left, p.face.top, p.face.right, p.face.bottom);
        SelectObject(dc, p.pressed ? shadowPen.Get() : highlightPen.Get());
        Polyline3(dc, p.outerLine);
        if (p.innerShadow) {
            SelectObject(dc, shadowPen.Get());
            Polyline3(dc, p.innerLine);
        }
        DrawImage(dc, Image(p.image, p.button), p.imageOrigin.x, p.imageOrigin.y);
        if (p.focused) {
            RECT focus{p.focusRect.left, p.focusRect.top, p.focusRect.right, p.focusRect.bottom};
            DrawFocusRect(dc, &focus);
        }
    }
}

void TMediaPlayer::DrawImage(HDC dc, HBITMAP image, int x, int y) {
    if (!image) return;
    BITMAP info;
    if (!GetObjectA(image, sizeof info, &info)) return;
    scoped::MemoryDC source(dc);
    if (!source) return;
    scoped::SelectedObject selected(source.Get(), image);
    // The face is already under the image: its olive pixels are left out.
    platform::LateTransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, info.bmWidth, info.bmHeight,
                                 kTransparent);
}

bool TMediaPlayer::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "VisibleButtons") SetVisibleButtons(ButtonSetFromValue(value));
    else if (name == "EnabledButtons") SetEnabledButtons(ButtonSetFromValue(value));
    else if (name == "ColoredButtons") SetColoredButtons(ButtonSetFromValue(value));
    else if (name == "AutoEnable") SetAutoEnable(value.AsBool());
    else if (name == "AutoOpen") SetAutoOpen(value.AsBool());
    else if (name == "AutoRewind") SetAutoRewind(value.AsBool());
    else if (name == "DeviceType") SetDeviceType(DeviceTypeFromValue(value));
    else if (name == "FileName") SetFileName(value.AsString());
    else if (name == "Shareable") SetShareable(value.AsBool());
    else if (name == "OnNotify") OnNotify = binder.Handler<void(TComponent*)>(value);
    else if (name == "OnClick") OnClick = binder.Handler<void(TComponent*, TMPBtnType, bool&)>(value);
    else if (name == "OnPostClick") OnPostClick = binder.Handler<void(TComponent*, TMPBtnType)>(value);
    else return TWinControl::SetProperty(name, value, binder);
    return true;
}

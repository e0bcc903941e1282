// Track bars: the native slider. OnChange comes only from the user: every
// scroll notification of the bar (each step of a drag and its end), never
// when the program sets the position or the range.
#pragma once

#include "toolkit/WinControl.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);

    const char* ClassName() const override { return "TTrackBar"; }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // Sets both ends at once (a maximum below the minimum is raised to it).
    void SetRange(int min, int max);
    // The position, clamped to the range.
    int Position() const { return position_; }
    void SetPosition(int v);
    // Arrow keys move by LineSize, Page Up/Down by PageSize.
    int LineSize() const { return lineSize_; }
    void SetLineSize(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    // A tick every Frequency positions (automatic ticks).
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation v);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark v);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle v);

    TNotifyEvent OnChange;

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Loaded() override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    virtual void Changed();

private:
    DWORD BarStyle() const;
    void StyleChanged();
    void ClampPosition();
    // Sends a message of the program's own; scroll notifications that it
    // may cause are not the user's.
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam);

    int min_ = 0, max_ = 10, position_ = 0;
    int lineSize_ = 1, pageSize_ = 2, frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickMark tickMarks_ = TTickMark::tmBottomRight;
    TTickStyle tickStyle_ = TTickStyle::tsAuto;
    bool programSet_ = false;
};

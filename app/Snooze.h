// The snooze question "Awake yet ?": asked modally when the alarm fires.
// The window is made once and hidden, never destroyed, when it closes, so
// the last answer carries over from one firing to the next.
#pragma once

#include "toolkit/Form.h"

class TBitBtn;

class TSnoozeFrm : public TForm {
public:
    explicit TSnoozeFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TSnoozeFrm"; }

    // The user's last answer: true snooze, false awake. Only the two
    // buttons change it; the close box leaves it as it was.
    bool SnoozeChosen = false;

    // "OK, OK, I'm awake already !"
    void AwakeBtnClick(TComponent* sender);
    // "Let me snooze, dammit !" (also Enter: the default button)
    void SnoozeBtnClick(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);

    TBitBtn* SnoozeBtn = nullptr;
    TBitBtn* AwakeBtn = nullptr;

    // How long after the question appears its keys do not answer it: a key
    // typed then was meant for the window the question covered (Enter for
    // a "Warning" box must not snooze). The buttons still take clicks.
    static constexpr unsigned long KeyGuardMs = 1000;

    ~TSnoozeFrm() override;

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
    void ComponentsLoaded() override;
    void VisibleChanged() override;

private:
    void StartKeyGuard();
    void StopKeyGuard();
    // True for a key message of this window that must not reach it.
    bool KeyGuarded(const MSG& msg);

    unsigned long shownAt_ = 0;  // the system's tick count when it appeared
    int keyFilter_ = 0;          // the application filter while shown
};

extern TSnoozeFrm* SnoozeFrm;

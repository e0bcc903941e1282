// The message dialog's vocabulary: kinds, buttons, button sets, modal results,
// and the fixed tables that give each kind its caption and icon and each
// button its name, caption and answer.
#pragma once

#include <cstdint>
#include <optional>

namespace widgets {

// The answer of a modal window.
using TModalResult = int;
enum ModalResult : TModalResult {
    ModalNone = 0,  // the window stays open
    ModalOK = 1,
    ModalCancel = 2,
    ModalAbort = 3,
    ModalRetry = 4,
    ModalIgnore = 5,
    ModalYes = 6,
    ModalNo = 7,
    ModalAll = 8,
};

enum class MessageKind { Warning, Error, Information, Confirmation, Custom };

// Bit numbers in a button set; also the left-to-right and tab order.
enum class MessageButton { Yes, No, OK, Cancel, Abort, Retry, Ignore, All, Help };
inline constexpr int MessageButtonCount = 9;

// A set of buttons: bit n stands for MessageButton n; bits 9 to 15 are ignored.
using MessageButtons = std::uint16_t;

constexpr MessageButtons ButtonBit(MessageButton b) {
    return static_cast<MessageButtons>(1u << static_cast<unsigned>(b));
}
constexpr bool HasButton(MessageButtons set, MessageButton b) { return (set & ButtonBit(b)) != 0; }

inline constexpr MessageButtons ButtonsOK = ButtonBit(MessageButton::OK);  // 4
inline constexpr MessageButtons ButtonsOKCancel =
    ButtonBit(MessageButton::OK) | ButtonBit(MessageButton::Cancel);  // 12

// Number of buttons the set holds (the ignored high bits not counted).
int ButtonCount(MessageButtons set);

struct MessageKindInfo {
    unsigned captionId;  // string table id; 0: the application title
    unsigned iconId;     // system icon resource id; 0: no icon
};

struct MessageButtonInfo {
    const char* name;  // component name of the button
    unsigned captionId;
    TModalResult modalResult;
};

// A kind outside the enumeration is treated as the custom kind.
const MessageKindInfo& KindInfo(MessageKind kind);
const MessageButtonInfo& ButtonInfo(MessageButton button);

// The button Enter presses when no button has the focus, and the one Esc
// presses; none when the candidate is not in the set.
std::optional<MessageButton> DefaultButton(MessageButtons set);
std::optional<MessageButton> CancelButton(MessageButtons set);

}  // namespace widgets

// Fixed tables of the message dialog.
#include "widgets/MessageKinds.h"

#include <stdexcept>

#include "res/StringIds.h"

namespace widgets {

namespace {

// System icon ids (the platform's IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, IDI_QUESTION).
constexpr unsigned IconExclamation = 32515;
constexpr unsigned IconHand = 32513;
constexpr unsigned IconAsterisk = 32516;
constexpr unsigned IconQuestion = 32514;

constexpr MessageKindInfo kKinds[] = {
    {res::SMsgDlgWarning, IconExclamation},
    {res::SMsgDlgError, IconHand},
    {res::SMsgDlgInformation, IconAsterisk},
    {res::SMsgDlgConfirm, IconQuestion},
    {0, 0},
};

constexpr MessageButtonInfo kButtons[MessageButtonCount] = {
    {"Yes", res::SMsgDlgYes, ModalYes},
    {"No", res::SMsgDlgNo, ModalNo},
    {"OK", res::SMsgDlgOK, ModalOK},
    {"Cancel", res::SMsgDlgCancel, ModalCancel},
    {"Abort", res::SMsgDlgAbort, ModalAbort},
    {"Retry", res::SMsgDlgRetry, ModalRetry},
    {"Ignore", res::SMsgDlgIgnore, ModalIgnore},
    {"All", res::SMsgDlgAll, ModalAll},
    {"Help", res::SMsgDlgHelp, ModalNone},  // asks for help, does not close
};

constexpr MessageButtons kUsedBits = (1u << MessageButtonCount) - 1;

std::optional<MessageButton> IfPresent(MessageButtons set, MessageButton b) {
    if (HasButton(set, b)) return b;
    return std::nullopt;
}

}  // namespace

int ButtonCount(MessageButtons set) {
    int n = 0;
    for (unsigned bits = set & kUsedBits; bits != 0; bits &= bits - 1) ++n;
    return n;
}

const MessageKindInfo& KindInfo(MessageKind kind) {
    const auto i = static_cast<unsigned>(kind);
    // A kind cast from a stray integer must not index past the table.
    return i < sizeof kKinds / sizeof kKinds[0] ? kKinds[i] : kKinds[static_cast<unsigned>(MessageKind::Custom)];
}

const MessageButtonInfo& ButtonInfo(MessageButton button) {
    const auto i = static_cast<unsigned>(button);
    if (i >= static_cast<unsigned>(MessageButtonCount)) throw std::out_of_range("no such message button");
    return kButtons[i];
}

std::optional<MessageButton> DefaultButton(MessageButtons set) {
    if (HasButton(set, MessageButton::OK)) return MessageButton::OK;
    if (HasButton(set, MessageButton::Yes)) return MessageButton::Yes;
    return IfPresent(set, MessageButton::Retry);
}

std::optional<MessageButton> CancelButton(MessageButtons set) {
    if (HasButton(set, MessageButton::Cancel)) return MessageButton::Cancel;
    if (HasButton(set, MessageButton::No)) return MessageButton::No;
    return IfPresent(set, MessageButton::OK);
}

}  // namespace widgets

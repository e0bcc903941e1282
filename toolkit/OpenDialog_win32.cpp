#include "toolkit/OpenDialog.h"

#include <vector>

#include "platform/SystemLibraries.h"
#include "toolkit/Application.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"
#include "toolkit/Form.h"

namespace {
TOpenDialog::ExecuteHook& Hook() {
    static TOpenDialog::ExecuteHook hook;
    return hook;
}

// Room for the longest path the dialog can return.
constexpr std::size_t kFileBufferSize = 32768;

DWORD DialogFlags(unsigned options) {
    static const std::pair<unsigned, DWORD> map[] = {
        {ofReadOnly, OFN_READONLY},
        {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
        {ofHideReadOnly, OFN_HIDEREADONLY},
        {ofNoChangeDir, OFN_NOCHANGEDIR},
        {ofShowHelp, OFN_SHOWHELP},
        {ofNoValidate, OFN_NOVALIDATE},
        {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
        {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
        {ofPathMustExist, OFN_PATHMUSTEXIST},
        {ofFileMustExist, OFN_FILEMUSTEXIST},
        {ofCreatePrompt, OFN_CREATEPROMPT},
        {ofShareAware, OFN_SHAREAWARE},
        {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
        {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
    };
    DWORD flags = OFN_EXPLORER | OFN_ENABLESIZING;
    for (const auto& m : map)
        if (options & m.first) flags |= m.second;
    return flags;
}
}  // namespace

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

std::string TOpenDialog::DialogFilter(const std::string& filter) {
    if (filter.empty()) return std::string();
    std::string result;
    for (char c : filter) result += c == '|' ? '\0' : c;
    // An odd count of parts leaves a name without a pattern: drop it.
    std::size_t parts = 1;
    for (char c : filter)
        if (c == '|') ++parts;
    if (parts % 2 != 0) {
        std::size_t last = result.rfind('\0');
        result.erase(last == std::string::npos ? 0 : last);
        if (result.empty()) return std::string();
    }
    result += '\0';
    result += '\0';
    return result;
}

TOpenDialog::ExecuteHook TOpenDialog::SetExecuteHook(ExecuteHook hook) {
    ExecuteHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

bool TOpenDialog::Execute() {
    std::vector<char> file(kFileBufferSize, '\0');
    fileName_.copy(file.data(), file.size() - 1);
    std::string filter = DialogFilter(filter_);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    if (!ofn.hwndOwner && Application) ofn.hwndOwner = Application->Handle();
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_ > 0 ? filterIndex_ : 1);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
    ofn.Flags = DialogFlags(options_);

    bool chosen = Hook() ? Hook()(ofn) : platform::LateGetOpenFileNameA(&ofn) != FALSE;
    if (!chosen) return false;
    // Whatever answered, the name ends inside the buffer.
    file.back() = '\0';
    fileName_ = file.data();
    if (ofn.nFilterIndex > 0) filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

void TOpenDialog::SetParentComponent(TComponent* parent) {
    if (!dynamic_cast<TForm*>(parent)) TComponent::SetParentComponent(parent);
}

bool TOpenDialog::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Title") {
        SetTitle(value.AsString());
    } else if (name == "Filter") {
        SetFilter(value.AsString());
    } else if (name == "FilterIndex") {
        SetFilterIndex(value.AsInt());
    } else if (name == "FileName") {
        SetFileName(value.AsString());
    } else if (name == "InitialDir") {
        SetInitialDir(value.AsString());
    } else if (name == "DefaultExt") {
        SetDefaultExt(value.AsString());
    } else if (name == "Options") {
        unsigned options = 0;
        for (const PropertyValue& item : value.AsList())
            options |= 1u << EnumFromValue(item,
                                           {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
                                            "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent",
                                            "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt", "ofShareAware",
                                            "ofNoReadOnlyReturn", "ofNoTestFileCreate"},
                                           "open option");
        SetOptions(options);
    } else {
        return TComponent::SetProperty(name, value, binder);
    }
    return true;
}

// The file-open dialog: a non-visual component over the system's common
// dialog. The file name is kept between uses and offered again; Execute
// returns true when the user chose a file. Tests answer the dialog through
// a hook instead of showing it.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>

#include "toolkit/Component.h"

enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
};

class TOpenDialog : public TComponent {
public:
    // Runs the dialog described by the structure; true when a file was chosen
    // (its name then in lpstrFile).
    using ExecuteHook = std::function<bool(OPENFILENAMEA&)>;

    explicit TOpenDialog(TComponent* owner);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    // Pairs of display name and pattern, separated by '|':
    // "Wave Audio Files (*.wav)|*.wav".
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& v) { filter_ = v; }
    // The 1-based filter chosen first (and the one chosen last).
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int v) { filterIndex_ = v; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& v) { fileName_ = v; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& v) { initialDir_ = v; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& v) { defaultExt_ = v; }
    unsigned Options() const { return options_; }
    void SetOptions(unsigned v) { options_ = v; }

    // Shows the dialog, owned by the active window; true and FileName set
    // when the user chose a file, false (FileName unchanged) otherwise.
    bool Execute();

    // The filter in the dialog's own form: each part ended by a zero byte,
    // the whole ended by another.
    static std::string DialogFilter(const std::string& filter);

    // Replaces the system dialog (null restores it); returns the previous hook.
    static ExecuteHook SetExecuteHook(ExecuteHook hook);

    // A non-visual component: it may sit in a form's description.
    void SetParentComponent(TComponent* parent) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

private:
    std::string title_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
    std::string initialDir_;
    std::string defaultExt_;
    unsigned options_ = ofHideReadOnly;
};

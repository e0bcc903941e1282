// The file-open dialog, answered through its hook: the filter in the system's
// form, the title, the file name offered again, cancel and overlong answers.
#include "win32/StdCtrlsFixture.h"

#include <cstring>

namespace {

// Installs a hook for the test's life; restores the previous one after.
class ScopedHook {
public:
    explicit ScopedHook(TOpenDialog::ExecuteHook hook) : previous_(TOpenDialog::SetExecuteHook(std::move(hook))) {}
    ~ScopedHook() { TOpenDialog::SetExecuteHook(std::move(previous_)); }

private:
    TOpenDialog::ExecuteHook previous_;
};

std::string FilterOf(const OPENFILENAMEA& ofn) {
    // Up to and including the final pair of zero bytes.
    const char* p = ofn.lpstrFilter;
    if (!p) return std::string();
    std::size_t n = 0;
    while (p[n] || p[n + 1]) ++n;
    return std::string(p, n + 2);
}

TEST(OpenDialog, FilterPairsBecomeZeroSeparatedWithAFinalDoubleZero) {
    EXPECT_EQ(std::string("Wave Audio Files (*.wav)\0*.wav\0\0", 32),
              TOpenDialog::DialogFilter("Wave Audio Files (*.wav)|*.wav"));
    EXPECT_EQ(std::string("A\0*.a\0B\0*.b;*.c\0\0", 17), TOpenDialog::DialogFilter("A|*.a|B|*.b;*.c"));
    // A name without its pattern is left out; nothing at all stays nothing.
    EXPECT_EQ(std::string("A\0*.a\0\0", 7), TOpenDialog::DialogFilter("A|*.a|B"));
    EXPECT_EQ(std::string(), TOpenDialog::DialogFilter("lonely"));
    EXPECT_EQ(std::string(), TOpenDialog::DialogFilter(""));
}

TEST(OpenDialog, TheChosenFileIsKeptAndOfferedAgain) {
    TStdFrm* form = MakeStdForm();
    auto* dlg = form->Find<TOpenDialog>("OpenFileDlg");
    dlg->SetFilter("Wave Audio Files (*.wav)|*.wav");

    std::vector<std::string> offered, filters;
    std::string answer = "C:\\Media\\chimes.wav";
    bool choose = true;
    ScopedHook hook([&](OPENFILENAMEA& ofn) {
        EXPECT_STREQ("Find File", ofn.lpstrTitle);
        filters.push_back(FilterOf(ofn));
        EXPECT_TRUE(ofn.Flags & OFN_EXPLORER);
        EXPECT_FALSE(ofn.Flags & (OFN_ENABLETEMPLATE | OFN_ENABLEHOOK));
        EXPECT_GE(ofn.nMaxFile, 260u);
        offered.push_back(ofn.lpstrFile);
        if (!choose) return false;
        std::strncpy(ofn.lpstrFile, answer.c_str(), ofn.nMaxFile);
        return true;
    });

    EXPECT_TRUE(dlg->Execute());
    EXPECT_EQ(answer, dlg->FileName());

    // The same dialog for programs offers the wave file chosen last.
    dlg->SetFilter("Programs (*.exe)|*.exe");
    choose = false;
    EXPECT_FALSE(dlg->Execute());
    EXPECT_EQ(answer, dlg->FileName());  // cancel changes nothing
    ASSERT_EQ(2u, offered.size());
    EXPECT_EQ("", offered[0]);
    EXPECT_EQ(answer, offered[1]);
    EXPECT_EQ(std::string("Wave Audio Files (*.wav)\0*.wav\0\0", 32), filters[0]);
    EXPECT_EQ(std::string("Programs (*.exe)\0*.exe\0\0", 24), filters[1]);
    delete form;
}

TEST(OpenDialog, AnAnswerFillingTheWholeBufferIsCutAtItsEnd) {
    TOpenDialog dlg(nullptr);
    dlg.SetFileName(std::string(100000, 'x'));  // longer than the buffer
    std::size_t offeredLength = 0;
    ScopedHook hook([&](OPENFILENAMEA& ofn) {
        offeredLength = std::strlen(ofn.lpstrFile);
        std::memset(ofn.lpstrFile, 'y', ofn.nMaxFile);  // no terminating zero
        return true;
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_LT(offeredLength, 100000u);
    EXPECT_EQ(offeredLength, dlg.FileName().size());
    EXPECT_EQ(std::string::npos, dlg.FileName().find('x'));
}

}  // namespace

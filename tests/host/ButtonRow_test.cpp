// The media player's button row: layout, hit testing, painting and the
// mouse and keyboard press rules, over a scripted device.
#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeMciDevice.h"
#include "fakes/FakePlatform.h"
#include "media/ButtonRow.h"
#include "media/MciConstants.h"
#include "platform/Exceptions.h"

namespace {

struct Target : TMediaNotifyTarget {
    std::uintptr_t CallbackWindow() override { return 0x99; }
    void ButtonsChanged() override { ++changed; }
    void Notified() override {}
    int changed = 0;
};

class ButtonRowTest : public ::testing::Test {
protected:
    ButtonRowTest() { dev.Attach(fake); }

    // The alarm's wave player: Play and Stop, 57 x 25.
    void MakeWavPlayer() {
        row.SetVisibleButtons({btPlay, btStop});
        row.Resize(57, 25);
    }
    void OpenWave() {
        dev.MakeWave(4000, false);
        device.SetFileName("ring.wav");
        device.Open();
        dev.log.clear();
    }
    // Press and release at x inside the row.
    void ClickAt(int x) {
        ASSERT_NE(0u, row.MouseDown(x) & raCapture);
        ASSERT_TRUE(row.MouseUp());
        row.ClickPressed();
    }
    std::vector<TButtonImage> Images(bool controlEnabled = true) const {
        std::vector<TButtonImage> out;
        for (const auto& p : row.Paint(controlEnabled, false)) out.push_back(p.image);
        return out;
    }

    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope{fake};
    fakes::FakeMciDevice dev;
    Target target;
    TMediaDevice device{&target};
    TButtonRow row{device};
};

TEST_F(ButtonRowTest, TwoButtonsIn57PixelsShareABorderColumn) {
    MakeWavPlayer();
    EXPECT_EQ(29, row.ButtonWidth());
    EXPECT_EQ(57, row.Width());
    EXPECT_EQ((TRowRect{0, 0, 29, 25}), row.ButtonRect(btPlay));
    EXPECT_EQ((TRowRect{28, 0, 57, 25}), row.ButtonRect(btStop));
    EXPECT_FALSE(row.ButtonRect(btPause).has_value());

    // The border column and the one right of it belong to the left button.
    EXPECT_EQ(btPlay, row.ButtonAt(0));
    EXPECT_EQ(btPlay, row.ButtonAt(28));
    EXPECT_EQ(btPlay, row.ButtonAt(29));
    EXPECT_EQ(btStop, row.ButtonAt(30));
    EXPECT_EQ(btStop, row.ButtonAt(57));
    EXPECT_FALSE(row.ButtonAt(58).has_value());
    EXPECT_FALSE(row.ButtonAt(-1).has_value());
}

TEST_F(ButtonRowTest, ResizeKeepsTheMinimumAndWholeButtons) {
    EXPECT_EQ(29, row.MinButtonWidth());
    EXPECT_EQ(20, row.MinButtonHeight());
    EXPECT_EQ((TRowSize{9 * 28 + 1, 20}), row.Resize(100, 10));
    EXPECT_EQ(29, row.ButtonWidth());
    // 300 wide gives buttons of 34, so the row takes 9 * 33 + 1.
    EXPECT_EQ((TRowSize{298, 40}), row.Resize(300, 40));
    EXPECT_EQ(34, row.ButtonWidth());
    EXPECT_EQ((TRowSize{298, 40}), row.Resize(298, 40));

    // While a description is read the stored size stays.
    row.KeepSize(57, 25);
    EXPECT_EQ(57, row.Width());
    EXPECT_EQ(7, row.ButtonWidth());
}

TEST_F(ButtonRowTest, ShowingOrHidingAButtonChangesTheWidthByOneButton) {
    MakeWavPlayer();
    EXPECT_EQ((TRowSize{85, 25}), row.SetVisibleButtons({btPlay, btPause, btStop}));
    EXPECT_EQ(29, row.ButtonWidth());
    EXPECT_EQ((TRowRect{56, 0, 85, 25}), row.ButtonRect(btStop));
    EXPECT_EQ((TRowSize{57, 25}), row.SetVisibleButtons({btPlay, btStop}));
    // With none shown the row is one button wide.
    EXPECT_EQ((TRowSize{29, 25}), row.SetVisibleButtons(TButtonSet()));
    EXPECT_FALSE(row.ButtonAt(5).has_value());
}

TEST_F(ButtonRowTest, ImagesAreNamedByStateAndButtonAndSizeTheMinimum) {
    EXPECT_EQ("CL_MPPLAY", TButtonRow::ImageName(biColored, btPlay));
    EXPECT_EQ("DI_MPSTOP", TButtonRow::ImageName(biDisabled, btStop));
    EXPECT_EQ("EN_MPEJECT", TButtonRow::ImageName(biEnabled, btEject));
    EXPECT_EQ(12, row.ImageWidth(biDisabled, btPause));
    EXPECT_EQ(13, row.ImageWidth(biEnabled, btPause));
    row.SetImageSize(biColored, btRecord, 30, 22);
    EXPECT_EQ(38, row.MinButtonWidth());
    EXPECT_EQ(26, row.MinButtonHeight());
}

TEST_F(ButtonRowTest, NoDeviceMeansEveryButtonDisabledAndDeaf) {
    MakeWavPlayer();
    EXPECT_EQ((std::vector<TButtonImage>{biDisabled, biDisabled}), Images());
    EXPECT_EQ(raNone, row.MouseDown(10));
    EXPECT_FALSE(row.MouseIsDown());
    EXPECT_FALSE(row.MouseUp());
    EXPECT_TRUE(dev.log.empty());
}

TEST_F(ButtonRowTest, PlayingTheWaveSwapsPlayAndStopUntilItEnds) {
    MakeWavPlayer();
    OpenWave();
    EXPECT_EQ((std::vector<TButtonImage>{biColored, biDisabled}), Images());
    EXPECT_EQ(raNone, row.MouseDown(40));  // Stop is not enabled yet

    EXPECT_EQ(raRepaint | raCapture, row.MouseDown(10));
    EXPECT_TRUE(row.Paint(true, false)[0].pressed);
    EXPECT_TRUE(row.MouseUp());
    row.ClickPressed();
    ASSERT_EQ(1u, dev.Sent(mci::Play).size());
    EXPECT_EQ((std::vector<TButtonImage>{biDisabled, biColored}), Images());

    dev.FinishPlay();
    device.HandleNotify(dev.notifications.at(0).flag);
    EXPECT_EQ((std::vector<TButtonImage>{biColored, biDisabled}), Images());

    // Without colour an enabled button shows its plain image.
    row.SetColoredButtons({btStop});
    EXPECT_EQ((std::vector<TButtonImage>{biEnabled, biDisabled}), Images());
    // A disabled control shows every button disabled.
    EXPECT_EQ((std::vector<TButtonImage>{biDisabled, biDisabled}), Images(false));
}

TEST_F(ButtonRowTest, ReleasingOutsideTheButtonRunsNothing) {
    MakeWavPlayer();
    OpenWave();
    row.MouseDown(10);
    EXPECT_EQ(raRepaint, row.MouseMove(40, 10));
    EXPECT_FALSE(row.ShownPressed());
    EXPECT_EQ(raNone, row.MouseMove(45, 12));
    EXPECT_FALSE(row.MouseUp());
    EXPECT_TRUE(dev.Sent(mci::Play).empty());

    // Moving back inside before releasing runs the click.
    row.MouseDown(10);
    row.MouseMove(10, 30);  // below the row
    EXPECT_EQ(raRepaint, row.MouseMove(12, 12));
    EXPECT_TRUE(row.MouseUp());
    row.ClickPressed();
    EXPECT_EQ(1u, dev.Sent(mci::Play).size());
    // Moves after the release change nothing.
    EXPECT_EQ(raNone, row.MouseMove(40, 10));
}

TEST_F(ButtonRowTest, PaintGeometryUpPressedAndFocused) {
    MakeWavPlayer();
    OpenWave();
    auto up = row.Paint(true, true);
    ASSERT_EQ(2u, up.size());
    EXPECT_EQ((TRowRect{0, 0, 29, 25}), up[0].face);
    EXPECT_FALSE(up[0].pressed);
    EXPECT_EQ((TRowPoint{1, 23}), up[0].outerLine[0]);
    EXPECT_EQ((TRowPoint{1, 1}), up[0].outerLine[1]);
    EXPECT_EQ((TRowPoint{28, 1}), up[0].outerLine[2]);
    EXPECT_TRUE(up[0].innerShadow);
    EXPECT_EQ((TRowPoint{2, 23}), up[0].innerLine[0]);
    EXPECT_EQ((TRowPoint{27, 23}), up[0].innerLine[1]);
    EXPECT_EQ((TRowPoint{27, 1}), up[0].innerLine[2]);
    EXPECT_EQ((TRowPoint{6, 4}), up[0].imageOrigin);   // 17 x 16 centred in 29 x 25
    EXPECT_EQ((TRowPoint{34, 4}), up[1].imageOrigin);  // Stop starts at 28
    EXPECT_TRUE(up[0].focused);
    EXPECT_FALSE(up[1].focused);
    EXPECT_EQ((TRowRect{3, 3, 26, 22}), up[0].focusRect);
    EXPECT_FALSE(row.Paint(true, false)[0].focused);

    row.MouseDown(5);
    auto down = row.Paint(true, true);
    EXPECT_TRUE(down[0].pressed);
    EXPECT_FALSE(down[0].innerShadow);
    EXPECT_EQ((TRowPoint{7, 5}), down[0].imageOrigin);
    EXPECT_EQ((TRowRect{4, 4, 27, 23}), down[0].focusRect);
    EXPECT_FALSE(down[1].pressed);

    // The narrower disabled pause image is centred by its own width.
    row.MouseUp();
    row.SetVisibleButtons({btPause});
    EXPECT_EQ(biDisabled, row.Paint(true, false)[0].image);
    EXPECT_EQ(14 - 6, row.Paint(true, false)[0].imageOrigin.x);
}

TEST_F(ButtonRowTest, SpaceGoesByEnabledButtonsEvenWhenDrawnDisabled) {
    MakeWavPlayer();
    OpenWave();
    device.Play();
    device.ApplyAutoEnableRule(btPlay);
    ASSERT_FALSE(row.ButtonEnabled(btPlay));
    ASSERT_EQ(btPlay, row.FocusedButton());
    dev.log.clear();
    EXPECT_EQ(raNone, row.KeyDown(rkSpace));
    EXPECT_EQ(1u, dev.Sent(mci::Play).size());

    row.SetEnabledButtons({btStop});
    EXPECT_EQ(raNone, row.KeyDown(rkSpace));
    EXPECT_EQ(1u, dev.Sent(mci::Play).size());
}

TEST_F(ButtonRowTest, ArrowsMoveTheFocusAcrossVisibleButtonsOnly) {
    row.SetVisibleButtons({btPlay, btStop, btEject});
    EXPECT_EQ(raRepaint, row.KeyDown(rkRight));
    EXPECT_EQ(btStop, row.FocusedButton());
    EXPECT_EQ(raRepaint, row.KeyDown(rkRight));
    EXPECT_EQ(btEject, row.FocusedButton());
    EXPECT_EQ(raNone, row.KeyDown(rkRight));
    EXPECT_EQ(btEject, row.FocusedButton());
    row.KeyDown(rkLeft);
    row.KeyDown(rkLeft);
    EXPECT_EQ(btPlay, row.FocusedButton());
    EXPECT_EQ(raNone, row.KeyDown(rkLeft));

    // A press moves the focus too.
    device.SetAutoEnable(false);
    row.Resize(100, 25);
    row.MouseDown(*row.ButtonLeft(btEject) + 5);
    EXPECT_EQ(btEject, row.FocusedButton());
    EXPECT_EQ(btEject, device.PressedButton());
}

TEST_F(ButtonRowTest, AnErrorInAClickEndsThePressAndTheRowStaysUsable) {
    MakeWavPlayer();
    device.SetAutoEnable(false);
    ASSERT_TRUE(row.ButtonEnabled(btPlay));
    row.MouseDown(10);
    ASSERT_TRUE(row.MouseUp());
    try {
        row.ClickPressed();
        FAIL() << "no error";
    } catch (const EMCIDeviceError& e) {
        EXPECT_STREQ("No MCI device open", e.what());
    }
    EXPECT_FALSE(row.MouseIsDown());
    EXPECT_FALSE(row.ShownPressed());
    EXPECT_EQ(raRepaint | raCapture, row.MouseDown(40));
}

TEST_F(ButtonRowTest, ClickEventsCanCancelAndSeeTheFinalButton) {
    MakeWavPlayer();
    OpenWave();
    std::vector<TMPBtnType> posted;
    row.OnClick = [](TMPBtnType b, bool& doDefault) { doDefault = b != btPlay; };
    row.OnPostClick = [&](TMPBtnType b) { posted.push_back(b); };
    ClickAt(10);
    EXPECT_TRUE(dev.Sent(mci::Play).empty());
    EXPECT_EQ(std::vector<TMPBtnType>{btPlay}, posted);
    // The rule still follows the click, as the device reported no error.
    EXPECT_TRUE(row.ButtonEnabled(btStop));

    // Next while a CD plays turns into Play, and the events see that.
    device.Close();
    dev.MakeCd({100, 100, 100});
    device.SetDeviceType(dtCDAudio);
    device.Open();
    device.Play();
    row.OnClick = nullptr;
    posted.clear();
    row.SetVisibleButtons(TButtonSet::All());
    row.Resize(300, 25);
    ClickAt(*row.ButtonLeft(btNext) + 5);
    EXPECT_EQ(std::vector<TMPBtnType>{btPlay}, posted);
    EXPECT_EQ(mci::Notify | mci::From, dev.Sent(mci::Play).back().flags);
    EXPECT_FALSE(row.ButtonEnabled(btPlay));
    EXPECT_TRUE(row.ButtonEnabled(btStop));
}

TEST_F(ButtonRowTest, AFailedCommandLeavesTheButtonsAsTheyWere) {
    MakeWavPlayer();
    OpenWave();
    dev.failures[mci::Play] = 265;
    ClickAt(10);
    EXPECT_TRUE(row.ButtonEnabled(btPlay));
    EXPECT_FALSE(row.ButtonEnabled(btStop));

    // The keyboard follows the same rule.
    EXPECT_EQ(raNone, row.KeyDown(rkSpace));
    EXPECT_TRUE(row.ButtonEnabled(btPlay));
    EXPECT_FALSE(row.ButtonEnabled(btStop));
}

}  // namespace

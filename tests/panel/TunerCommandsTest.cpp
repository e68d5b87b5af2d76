// The bandwidth buttons and the Reset Tuner box, which act on the tuner at once.

#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class TunerCommands : public PanelFixture {
protected:
    void SetUp() override { startProgram(); }
    void typeFrequency(const char* text) {
        h.onWindowThread([this, text] { SetWindowTextA(GetDlgItem(panel, control::frequencyBox), text); });
    }
};

} // namespace

TEST_F(TunerCommands, EachBandwidthButtonSetsItsOwnCodeAtOnceEvenWhenAlreadyTicked) {
    const std::pair<int, std::int64_t> clicks[] = {
        {control::bandwidth8, 0}, {control::bandwidth7, 1}, {control::bandwidth6, 2}, {control::bandwidth6, 2}};
    for (auto [button, code] : clicks) {
        driver().reset();
        click(button);
        EXPECT_EQ(driver().calls(), (std::vector<DriverCall>{{"DVBT_SetChannelParams", {0, 0, code, 9}}})) << "button " << button;
    }
    EXPECT_EQ(values([](CTuningDlg& p) { return p.bandwidth; }), 0);
}

TEST_F(TunerCommands, ABandwidthClickLeavesTheFrequencyTextAsTyped) {
    typeFrequency("0593000");
    click(control::bandwidth7);
    EXPECT_EQ(text(control::frequencyBox), "0593000");
    EXPECT_EQ(values([](CTuningDlg& p) { return p.frequencyKHz; }), 593000);
}

TEST_F(TunerCommands, ABandwidthClickWithLettersPromptsAndStillSetsTheBandwidth) {
    typeFrequency("12abc");
    click(control::bandwidth8);
    HWND prompt = h.activeWindow();
    EXPECT_EQ(h.childTexts(prompt)[1], "Please enter an integer.");
    EXPECT_EQ(driver().count("DVBT_SetChannelParams"), 0) << "the command waits for the prompt";
    h.press(VK_RETURN);
    EXPECT_EQ(driver().callsBesidesSteps().back(), (DriverCall{"DVBT_SetChannelParams", {0, 0, 0, 9}}));
    EXPECT_EQ(text(control::frequencyBox), "12abc");
    EXPECT_EQ(values([](CTuningDlg& p) { return p.bandwidth; }), 2);
}

TEST_F(TunerCommands, ResetTunerResetsOnceUnticksItselfAndRewritesTheFrequency) {
    typeFrequency("+593000");
    click(control::resetTunerBox);
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 1);
    EXPECT_FALSE(ticked(control::resetTunerBox));
    EXPECT_EQ(text(control::frequencyBox), "593000");
    click(control::resetTunerBox);
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 2);
    EXPECT_FALSE(ticked(control::resetTunerBox));
}

TEST_F(TunerCommands, ResetTunerWithLettersPromptsAndRestoresTheLastAcceptedFrequency) {
    typeFrequency("12abc");
    click(control::periodicCheckBox); // brings its own prompt
    h.press(VK_RETURN);
    click(control::resetTunerBox);
    h.press(VK_RETURN);
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 0);
    EXPECT_EQ(text(control::frequencyBox), "593000");
    EXPECT_FALSE(ticked(control::resetTunerBox));
    EXPECT_FALSE(ticked(control::periodicCheckBox)) << "shown again as its value stands";
}

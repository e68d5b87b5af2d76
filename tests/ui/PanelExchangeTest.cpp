// The panel's exchange of values with its controls: the order of its steps and what a refused
// save leaves behind.

#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class PanelExchange : public PanelFixture {
protected:
    void SetUp() override { startProgram(); }
};

} // namespace

TEST_F(PanelExchange, ARefusedSaveKeepsWhatCameBeforeTheFrequencyAndNothingAfterIt) {
    h.onWindowThread([this] {
        auto tick = [this](int id) { SendMessageA(GetDlgItem(panel, id), BM_CLICK, 0, 0); };
        tick(1013);                    // QAM64, no command of its own
        tick(1009);                    // guard interval 1/4
        tick(1044);                    // Mirror "Normal"
        SendMessageA(GetDlgItem(panel, control::periodicCheckBox), BM_SETCHECK, BST_CHECKED, 0);
        SetWindowTextA(GetDlgItem(panel, control::frequencyBox), "12abc");
    });
    click(control::bandwidth8);
    h.press(VK_RETURN);
    auto saved = values([](CTuningDlg& p) {
        return std::vector<std::int32_t>{p.guardInterval, p.constellation, p.bandwidth, p.frequencyKHz,
                                         p.periodicCheck, p.spectrumMirror};
    });
    EXPECT_EQ(saved, (std::vector<std::int32_t>{3, 2, 2, 593000, 0, 0}));
    EXPECT_EQ(h.focus(), item(control::frequencyBox));
}

TEST_F(PanelExchange, AnExchangeNeverTouchesTheReadOuts) {
    h.onWindowThread([this] { SetWindowTextA(GetDlgItem(panel, control::pberField), "kept"); });
    click(control::resetTunerBox); // a save and a load
    EXPECT_EQ(text(control::pberField), "kept");
    EXPECT_EQ(text(control::statusField), "Unknowing...");
}

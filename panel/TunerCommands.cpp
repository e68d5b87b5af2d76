// Commands that act on the tuner at once, outside a tuning run: the bandwidth buttons and the
// Reset Tuner box, which acts as a momentary button.

#include "driver/DVBTDLL.h"
#include "panel/CodeTables.h"
#include "panel/TuningDlg.h"

void CTuningDlg::setBandwidthOnDriver(std::int32_t index) {
    UpdateData(TRUE);
    // The button decides the code, whatever the save left in `bandwidth`.
    DVBT_SetChannelParams(0, 0, bandwidthCode(index), 9);
}

void CTuningDlg::On6Mhz() { setBandwidthOnDriver(0); }

void CTuningDlg::On7Mhz() { setBandwidthOnDriver(1); }

void CTuningDlg::On8Mhz() { setBandwidthOnDriver(2); }

void CTuningDlg::OnResetTuner() {
    UpdateData(TRUE);
    if (resetTuner != 0) {
        resetTuner = 0;
        DVBT_ResetTuner();
    }
    Sleep(100);
    UpdateData(FALSE);
}

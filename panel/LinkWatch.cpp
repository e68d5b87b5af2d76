// The link watch: once a second, while Periodic Check is ticked and the last run locked on the
// real channel, one acquisition step shows whether the link still holds.

#include "driver/DVBTDLL.h"
#include "panel/RunValues.h"
#include "panel/TuningDlg.h"

#include <limits>

void CTuningDlg::OnWatchTick(UINT_PTR timerId) {
    if (!IsWindowVisible() || IsIconic()) {
        return;
    }
    if (periodicCheck != 0 && acquisitionDone.load(std::memory_order_acquire) != 0 &&
        abortFlag.load(std::memory_order_acquire) == 0) {
        if (DVBT_AcquisitionTask() == 1) {
            // The first lock after a loss resets the tuner, once.
            if (unlockCount > 0) {
                unlockCount = 0;
                DVBT_ResetTuner();
            }
            statusField.SetWindowText("Locking in Real Ch...");
        } else {
            if (unlockCount < std::numeric_limits<std::int32_t>::max()) {
                ++unlockCount;
            }
            statusField.SetWindowText("UnLocked...");
        }
        ShowSignalReport();
    }
    CDialog::OnTimer(timerId);
}

void CTuningDlg::OnPeriodicCheck() { UpdateData(TRUE); }

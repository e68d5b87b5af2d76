// The two ways out of the panel. Exit saves the controls first and, only when the save
// succeeds, stops the watch timer, releases the receiver and ends the panel; a refused save
// leaves the panel working. Cancel (Esc, the close box) ends the panel and releases nothing.
// Either way, a tuning run in progress is aborted first, so the panel never waits for a lock
// that does not come, and the receiver is released only once the run's worker has stopped.

#include "driver/DVBTDLL.h"
#include "panel/RunValues.h"
#include "panel/TuningDlg.h"

void CTuningDlg::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    KillTimer(1);
    stopRunningWorker();
    DVBT_FREE_IO();
    EndDialog(IDOK);
}

void CTuningDlg::OnCancel() {
    if (runningWorker_ != nullptr) {
        abortFlag.store(1, std::memory_order_release);
    }
    CDialog::OnCancel();
}

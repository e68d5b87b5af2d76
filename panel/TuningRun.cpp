// The tuning run: set bandwidth and frequency, let a worker poll the acquisition every 10 ms
// until lock or Abort while the panel stays live, then show what the receiver found.

#include "driver/DVBTDLL.h"
#include "panel/CodeTables.h"
#include "panel/RunValues.h"
#include "panel/TuningDlg.h"
#include "ui/ResourceIds.h"

DWORD WINAPI AcquisitionWorker(LPVOID) {
    std::int32_t pauses = 0;
    // A step that locks ends the worker even when Abort came meanwhile; the run then still
    // ends as aborted, because it looks at the abort mark first.
    while (DVBT_AcquisitionTask() != 1) {
        if (abortFlag.load(std::memory_order_acquire) != 0) {
            break;
        }
        Sleep(10);
        ++pauses;
    }
    pollCount.store(pauses, std::memory_order_release);
    acquisitionDone.store(1, std::memory_order_release);
    return 0;
}

void CTuningDlg::OnAbort() { abortFlag.store(1, std::memory_order_release); }

void CTuningDlg::OnTuning() {
    loopTimesField.SetWindowText("0");
    statusField.SetWindowText("Searching ...");
    UpdateData(TRUE);
    enableTuning(FALSE);
    abortFlag.store(0, std::memory_order_release);
    DVBT_SetChannelParams(0, 0, bandwidthCode(bandwidth), 9);

    HANDLE worker = nullptr;
    if (DVBT_SetTuningValue(frequencyKHz) == 0) {
        abortFlag.store(1, std::memory_order_release); // the driver refused the frequency
    } else {
        acquisitionDone.store(0, std::memory_order_release);
        worker = CreateThread(nullptr, 0, AcquisitionWorker, reinterpret_cast<LPVOID>(1), 0, nullptr);
        if (worker == nullptr) {
            abortFlag.store(1, std::memory_order_release); // no worker, no lock to wait for
        } else {
            runningWorker_ = worker;
            waitForWorker(worker);
            runningWorker_ = nullptr;
        }
    }

    if (abortFlag.load(std::memory_order_acquire) != 0) {
        statusField.SetWindowText("Aborting....");
        lastLockField.SetWindowText("0");
    } else {
        Sleep(100);
        readBackLock();
    }

    char text[32];
    wsprintfA(text, "%d\n", static_cast<int>(pollCount.load(std::memory_order_acquire)));
    loopTimesField.SetWindowText(text);
    UpdateData(FALSE);
    if (worker != nullptr) {
        CloseHandle(worker);
    }
    enableTuning(TRUE);
}

void CTuningDlg::waitForWorker(HANDLE worker) {
    bool quitSeen = false;
    do {
        DWORD woke = MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_FAILED) {
            // Waiting with messages failed; the worker still ends by itself.
            WaitForSingleObject(worker, INFINITE);
            break;
        }
        if (woke != WAIT_OBJECT_0 + 1) {
            continue;
        }
        // Messages are dispatched as they are, without the dialog keyboard, so that the whole
        // panel stays live while the worker polls.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                acquisitionDone.store(1, std::memory_order_release);
                abortFlag.store(1, std::memory_order_release);
                quitSeen = true;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    } while (acquisitionDone.load(std::memory_order_acquire) == 0);
    // After a quit request the worker may still be stepping: nothing is read back before it
    // has ended.
    if (quitSeen) {
        WaitForSingleObject(worker, INFINITE);
    }
}

void CTuningDlg::readBackLock() {
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::int32_t third = 9;
    std::int32_t inversion = 9;
    DVBT_GetChannelParams(&first, &second, &third, &inversion);
    spectrumMirror = spectrumMirrorIndex(inversion);
    // The tuner mirrors the wanted signal: only an inverted spectrum is the real channel.
    if (spectrumMirror == 2) {
        abortFlag.store(0, std::memory_order_release);
        statusField.SetWindowText("Locking in Real Ch...");
    } else {
        abortFlag.store(1, std::memory_order_release);
        statusField.SetWindowText("Locking in Fault Ch...");
    }
    ShowSignalReport();

    // An output the driver leaves unwritten reads as "Auto".
    std::int32_t mode = -1;
    std::int32_t guard = -1;
    std::int32_t modulation = -1;
    std::int32_t hierarchyCode = -1;
    std::int32_t priorityCode = -1;
    std::int32_t rate = -1;
    DVBT_GetOfdmParams(&mode, &guard, &modulation, &hierarchyCode, &priorityCode, &rate);
    transmissionMode = ofdmIndex(mode, autoIndex::transmissionMode);
    guardInterval = ofdmIndex(guard, autoIndex::guardInterval);
    constellation = ofdmIndex(modulation, autoIndex::constellation);
    hierarchy = ofdmIndex(hierarchyCode, autoIndex::hierarchy);
    priority = ofdmIndex(priorityCode, autoIndex::priority);
    codeRate = ofdmIndex(rate, autoIndex::codeRate);
}

void CTuningDlg::enableTuning(BOOL enable) { ::EnableWindow(GetDlgItem(control::tuningButton), enable); }

void CTuningDlg::stopRunningWorker() {
    if (runningWorker_ != nullptr) {
        abortFlag.store(1, std::memory_order_release);
        WaitForSingleObject(runningWorker_, INFINITE);
    }
}

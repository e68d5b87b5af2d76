#pragma once
// CTuningDlg: the tuning panel. It holds the panel values that the controls show, the six
// read-out fields that the logic writes, and the application icon; its commands tune the
// receiver, watch the link and act on the tuner directly.

#include "platform/afx/Afx.h"

#include <cstdint>

class CTuningDlg : public CDialog {
public:
    explicit CTuningDlg(CWnd* parent = nullptr);
    ~CTuningDlg() override;

    // Read-out fields, bound to their static controls by the first exchange.
    CStatic pberField;
    CStatic aperField;
    CStatic statusField;
    CStatic snField;
    CStatic loopTimesField;
    CStatic lastLockField;

    // Panel values: radio indices (-1 when no button is ticked), check states, the frequency.
    std::int32_t guardInterval;
    std::int32_t transmissionMode;
    std::int32_t constellation;
    std::int32_t hierarchy;
    std::int32_t priority;
    std::int32_t codeRate;
    std::int32_t bandwidth;
    std::int32_t frequencyKHz;
    std::int32_t periodicCheck;
    std::int32_t resetTuner;
    std::int32_t spectrumMirror;

    HICON appIcon;

    static const MessageMap* thisMessageMap();
    const MessageMap* GetMessageMap() const override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The signal report: last lock frequency, S/N, PBER and APER into their read-outs.
    void ShowSignalReport();

    // The tuning run and Abort.
    void OnTuning();
    void OnAbort();

    // The link watch.
    void OnWatchTick(UINT_PTR timerId);
    void OnPeriodicCheck();

    // Commands that act on the tuner at once.
    void On6Mhz();
    void On7Mhz();
    void On8Mhz();
    void OnResetTuner();

    // The panel window's own behaviour.
    void OnSysCommand(UINT command, LPARAM parameter);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnMinimize();

private:
    void waitForWorker(HANDLE worker);
    void readBackLock();
    void endRunWith(LPCSTR status);
    void setBandwidthOnDriver(std::int32_t index);
    void enableTuning(BOOL enable);
    // Stops a run in progress before the panel ends, and waits for its worker to finish.
    void stopRunningWorker();

    // The worker of the run in progress, or nullptr between runs.
    HANDLE runningWorker_ = nullptr;
};

// The acquisition worker of a tuning run: one acquisition step every 10 ms until lock or abort.
DWORD WINAPI AcquisitionWorker(LPVOID startArgument);

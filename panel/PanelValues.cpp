// The panel as it is built: every value at its default, the run flags cleared, the icon loaded.

#include "panel/RunValues.h"
#include "panel/TuningDlg.h"
#include "ui/ResourceIds.h"

CTuningDlg::CTuningDlg(CWnd* parent)
    : CDialog(resource::panelDialog, parent),
      guardInterval(4),
      transmissionMode(2),
      constellation(3),
      hierarchy(4),
      priority(2),
      codeRate(5),
      bandwidth(0),
      frequencyKHz(593000),
      periodicCheck(0),
      resetTuner(0),
      spectrumMirror(0),
      appIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resource::appIcon))) {
    abortFlag.store(0, std::memory_order_release);
    acquisitionDone.store(0, std::memory_order_release);
    unlockCount = 0;
}

CTuningDlg::~CTuningDlg() = default;

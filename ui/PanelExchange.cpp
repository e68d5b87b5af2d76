// The panel's data exchange: the read-out fields first, then the panel values in the order
// they are declared.

#include "panel/TuningDlg.h"
#include "ui/ResourceIds.h"

void CTuningDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, control::pberField, pberField);
    DDX_Control(exchange, control::aperField, aperField);
    DDX_Control(exchange, control::statusField, statusField);
    DDX_Control(exchange, control::snField, snField);
    DDX_Control(exchange, control::loopTimesField, loopTimesField);
    DDX_Control(exchange, control::lastLockField, lastLockField);
    DDX_Radio(exchange, control::guard1of32, guardInterval);
    DDX_Radio(exchange, control::mode2K, transmissionMode);
    DDX_Radio(exchange, control::constellationQpsk, constellation);
    DDX_Radio(exchange, control::hierarchyNone, hierarchy);
    DDX_Radio(exchange, control::priorityHigh, priority);
    DDX_Radio(exchange, control::codeRate1of2, codeRate);
    DDX_Radio(exchange, control::bandwidth6, bandwidth);
    DDX_Text(exchange, control::frequencyBox, frequencyKHz);
    DDX_Check(exchange, control::periodicCheckBox, periodicCheck);
    DDX_Check(exchange, control::resetTunerBox, resetTuner);
    DDX_Radio(exchange, control::mirrorAuto, spectrumMirror);
}

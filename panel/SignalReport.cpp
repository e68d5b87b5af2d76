// The signal report: what the receiver says of its link, into four read-out fields, one field
// after another in the order last lock frequency, S/N, PBER, APER.

#include "driver/DVBTDLL.h"
#include "panel/TuningDlg.h"

void CTuningDlg::ShowSignalReport() {
    char text[80];
    wsprintfA(text, "%ld\n", static_cast<LONG>(DVBT_GetLastLockFrequency()));
    lastLockField.SetWindowText(text);

    // The outputs start at 0, so that one the driver leaves unwritten shows 0.
    std::uint16_t signalToNoise = 0;
    std::uint16_t unusedSn = 0;
    DVBT_GetSN(&signalToNoise, &unusedSn);
    wsprintfA(text, "%u(1/10 dB)\n", static_cast<UINT>(signalToNoise));
    snField.SetWindowText(text);

    std::uint32_t beforeViterbi = 0;
    std::uint32_t afterViterbi = 0;
    std::uint32_t unusedBer = 0;
    DVBT_GetBer(&beforeViterbi, &afterViterbi, &unusedBer);
    wsprintfA(text, "%lu(1E-6)\n", static_cast<ULONG>(beforeViterbi));
    pberField.SetWindowText(text);
    wsprintfA(text, "%lu(1E-6)\n", static_cast<ULONG>(afterViterbi));
    aperField.SetWindowText(text);
}

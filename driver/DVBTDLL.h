#pragma once

/* The receiver card's driver library: eleven operations with C linkage, none of which takes a
 * handle. Every operation may be called from two threads at once and returns promptly. While the
 * card is not open each one is harmless: it reports no lock, refuses every frequency and writes
 * zeros to its outputs. A Linux frontend that goes away while open (unplugged) leaves every
 * operation as harmless.
 *
 * The library reads two settings from the environment when DVBT_INIT_IO opens the card.
 * DVBTDLL_DEVICE selects the receiver: unset or "sim" gives the simulated card with its built-in
 * transmitters, "sim:FILE" the simulated card with the DVB-T entries of a dvbv5 channel file, and
 * the path of a Linux DVB frontend, such as /dev/dvb/adapter0/frontend0, that frontend on DVB-T;
 * the user needs read and write access to the device (typically through the video group).
 * DVBTDLL_SIM_SEED, a whole number, makes the simulated card's measurement noise repeat. */

#include <stdint.h>

#if defined(_WIN32)
#if defined(DVBTDLL_BUILDING)
#define DVBTDLL_API __declspec(dllexport)
#else
#define DVBTDLL_API __declspec(dllimport)
#endif
#else
#define DVBTDLL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the card, afresh if it is open already. Nonzero when it is open; 0 when it cannot be
 * opened, after one line on standard error that says why. */
DVBTDLL_API int32_t DVBT_INIT_IO(void);

/* Closes the card. Nonzero when it was open. */
DVBTDLL_API int32_t DVBT_FREE_IO(void);

/* Sets the channel bandwidth: code 0 is 8 MHz, 1 is 7 MHz, 2 is 6 MHz; another code changes
 * nothing. The program passes 0, 0, code, 9: the first two come back from DVBT_GetChannelParams,
 * and the 9 asks the demodulator to find the spectral inversion itself, which this card always
 * does. Restarts acquisition. Nonzero when the card is open. */
DVBTDLL_API int32_t DVBT_SetChannelParams(int32_t first, int32_t second, int32_t bandwidthCode,
                                          int32_t inversion);

/* Tunes to a frequency in kHz and restarts acquisition. 0 when the frequency is refused: outside
 * 45000 to 870000 kHz on the simulated card, outside a Linux frontend's own range or rejected by
 * its driver, or the card is not open. */
DVBTDLL_API int32_t DVBT_SetTuningValue(int32_t frequencyKHz);

/* One step of acquisition: exactly 1 when the demodulator is locked, 0 otherwise. It never
 * waits; the caller polls. */
DVBTDLL_API int32_t DVBT_AcquisitionTask(void);

/* Writes the two values last given to DVBT_SetChannelParams, the bandwidth code in force and the
 * spectral inversion of the current lock: 1 inverted (the wanted signal), 0 upright (the image),
 * 2 not known (no lock). A Linux frontend's inversion is given as the frontend reports it, 2 for
 * AUTO. Nonzero when the card is open. */
DVBTDLL_API int32_t DVBT_GetChannelParams(int32_t* first, int32_t* second, int32_t* bandwidthCode,
                                          int32_t* spectrumInversion);

/* Writes the transmission parameters of the last lock, as their TPS codes: mode (0 2K, 1 8K),
 * guard interval (0 to 3: 1/32 to 1/4), constellation (0 QPSK, 1 16QAM, 2 64QAM), hierarchy
 * (0 none, 1 to 3: alpha 1, 2, 4), priority (0: the high-priority stream, the one decoded) and its
 * code rate (0 to 4: 1/2 to 7/8). Every code is -1 before the first lock. A Linux frontend's are
 * those it reports, -1 for a value it leaves on AUTO. Nonzero when the card is open. */
DVBTDLL_API int32_t DVBT_GetOfdmParams(int32_t* transmissionMode, int32_t* guardInterval,
                                       int32_t* constellation, int32_t* hierarchy,
                                       int32_t* priority, int32_t* codeRate);

/* Writes the measured C/N in tenths of a dB (0 without a lock) and a reserved 0. A Linux frontend
 * that gives no C/N in decibels gives its driver's older signal-to-noise figure instead, in the
 * driver's own unit, or 0. Nonzero when the card is open. */
DVBTDLL_API int32_t DVBT_GetSN(uint16_t* tenthsOfDb, uint16_t* reserved);

/* Writes the bit error rates before and after the Viterbi decoder in units of 1E-6 (500000 each
 * without a lock on the simulated card) and a reserved 0. A Linux frontend's come from the bits
 * that it counted since the call before; one without bit counters gives its driver's older error
 * figure, in the driver's own unit, or 0. Nonzero when the card is open. */
DVBTDLL_API int32_t DVBT_GetBer(uint32_t* beforeViterbi, uint32_t* afterViterbi,
                                uint32_t* reserved);

/* Restarts acquisition on the same frequency and bandwidth. Nonzero when the card is open. */
DVBTDLL_API int32_t DVBT_ResetTuner(void);

/* The frequency of the last lock in kHz: the tuned frequency corrected by the carrier offset
 * found. 0 before the first lock. */
DVBTDLL_API int32_t DVBT_GetLastLockFrequency(void);

#ifdef __cplusplus
}
#endif

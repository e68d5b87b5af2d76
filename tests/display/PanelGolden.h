#pragma once
// The panel as the terminal shows it at 80 x 24 with its starting values: the screen that the
// rendering tests draw off-screen and the end-to-end tests read from tmux.

#include <string>
#include <vector>

namespace terminaltest {

inline const std::vector<std::string> panelWithDefaults{
    "[Y] Osprain Technologies -- DVB-T Tuning Program(Tarnwell)                   [X]",
    "│ ┌ OFDM Parameters ───────────────────────────────────────────────────────┐   │",
    "│ │ Mode:           ( ) 2K   ( ) 8K      (*) Auto                          │   │",
    "│ │ Guard Interval: ( ) 1/32 ( ) 1/16    ( ) 1/8     ( ) 1/4     (*) Auto  │   │",
    "│ │ Constellation:  ( ) QPSK ( ) QAM16   ( ) QAM64   (*) Auto              │   │",
    "│ │ Hierarchy:      ( ) No   ( ) Alpha 1 ( ) Alpha 2 ( ) Alpha 4 (*) Auto  │   │",
    "│ │ Priority:       ( ) High ( ) Low     (*) Auto                          │   │",
    "│ │                                                                        │   │",
    "│ │ Code Rate:      ( ) 1/2  ( ) 2/3     ( ) 3/4 ( ) 5/6  ( ) 7/8 (*) Auto │   │",
    "│ │ Mirror:         (*) Auto ( ) Normal  ( ) Mirror                        │   │",
    "│ └────────────────────────────────────────────────────────────────────────┘   │",
    "│                                      ┌ Tuner Parameters ─────────────────┐   │",
    "│   [   Tuning   ]    [   Abort   ]    │ Frequency:  [593000     ] Khz     │   │",
    "│                                      │                                   │   │",
    "│                                      │ (*) 6Mhz    ( ) 7Mhz    ( ) 8Mhz  │   │",
    "│   Loop Times:     0                  │ [ ] Reset Tuner                   │   │",
    "│                                      └───────────────────────────────────┘   │",
    "│   Status:    Unknowing...              PBER: 0            APER: 0            │",
    "│   LastLockFrequency:   0         (Khz) S/N:  0                               │",
    "│                                         [ ] Periodic Check                   │",
    "│              [<   Exit   >]                     [  Minimize  ]               │",
    "│                                                                              │",
    "└──────────────────────────────────────────────────────────────────────────────┘",
    "[Y Osprain Technologies -- DVB-T Tuning]                                        ",
};

} // namespace terminaltest

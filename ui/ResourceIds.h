#pragma once
// The numbers that tie the program to its resources: dialog templates, the icon, strings, and
// the ids of the panel's controls.

namespace resource {

constexpr int aboutDialog = 100;
constexpr int panelDialog = 102;
constexpr int appIcon = 128;
constexpr int aboutItemText = 101;
constexpr unsigned aboutCommand = 16; // the About item of the system menu

} // namespace resource

// Controls of the panel, template 102.
namespace control {

constexpr int exitButton = 1;
constexpr int minimizeButton = 1000;
constexpr int mode2K = 1001;
constexpr int guard1of32 = 1006;
constexpr int constellationQpsk = 1011;
constexpr int hierarchyNone = 1015;
constexpr int priorityHigh = 1020;
constexpr int codeRate1of2 = 1023;
constexpr int bandwidth6 = 1029;
constexpr int bandwidth7 = 1030;
constexpr int bandwidth8 = 1031;
constexpr int frequencyBox = 1032;
constexpr int tuningButton = 1033;
constexpr int abortButton = 1034;
constexpr int loopTimesField = 1035;
constexpr int statusField = 1036;
constexpr int lastLockField = 1037;
constexpr int pberField = 1038;
constexpr int snField = 1039;
constexpr int periodicCheckBox = 1040;
constexpr int aperField = 1041;
constexpr int resetTunerBox = 1042;
constexpr int mirrorAuto = 1043;

} // namespace control

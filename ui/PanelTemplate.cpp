#include "ui/PanelTemplate.h"

#include "platform/win/Styles.h"
#include "ui/ResourceIds.h"

#include <string>
#include <utility>

namespace {

using platform::DialogItem;

constexpr int noId = 0xFFFF;
constexpr DWORD noMarks = 0;
constexpr DWORD group = WS_GROUP;
constexpr DWORD tabStop = WS_TABSTOP;

// Where a control sits, in dialog units.
struct Place {
    short x;
    short y;
    short cx;
    short cy;
};

DialogItem item(const char* windowClass, DWORD kind, int id, std::string caption, Place at,
                DWORD marks) {
    return {WS_CHILD | WS_VISIBLE | kind | marks,
            0,
            at.x,
            at.y,
            at.cx,
            at.cy,
            static_cast<WORD>(id),
            windowClass,
            std::move(caption),
            {}};
}

DialogItem defaultPushButton(int id, const char* caption, Place at, DWORD marks) {
    return item("Button", BS_DEFPUSHBUTTON, id, caption, at, marks);
}

DialogItem pushButton(int id, const char* caption, Place at, DWORD marks) {
    return item("Button", BS_PUSHBUTTON, id, caption, at, marks);
}

DialogItem radioButton(int id, const char* caption, Place at, DWORD marks) {
    return item("Button", BS_AUTORADIOBUTTON, id, caption, at, marks);
}

DialogItem checkBox(int id, const char* caption, Place at, DWORD marks) {
    return item("Button", BS_AUTOCHECKBOX, id, caption, at, marks);
}

DialogItem groupBox(const char* caption, Place at, DWORD marks) {
    return item("Button", BS_GROUPBOX, noId, caption, at, marks);
}

DialogItem text(int id, const char* caption, Place at, DWORD marks) {
    return item("Static", SS_LEFT, id, caption, at, marks);
}

DialogItem editBox(int id, Place at, DWORD marks) {
    return item("Edit", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER, id, "", at, marks);
}

} // namespace

platform::DialogTemplateData panelTemplate() {
    using namespace control;

    platform::DialogTemplateData panel;
    panel.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    panel.exStyle = WS_EX_APPWINDOW; // its own task-bar button, also while minimized
    panel.x = 0;
    panel.y = 0;
    panel.cx = 287;
    panel.cy = 247;
    panel.caption = "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)";
    panel.pointSize = 8;
    panel.faceName = "MS Sans Serif";

    // Every label and read-out field carries the group mark: that mark is what ends the radio
    // group before it. Members of a radio group have consecutive ids from the first one.
    panel.items = {
        defaultPushButton(exitButton, "Exit", {53, 226, 50, 14}, tabStop),
        pushButton(minimizeButton, "Minimize", {181, 226, 50, 14}, tabStop),
        groupBox("OFDM Parameters", {15, 6, 256, 106}, noMarks),

        text(noId, "Mode:", {21, 19, 37, 8}, group),
        radioButton(mode2K, "2K", {69, 17, 25, 10}, group),
        radioButton(mode2K + 1, "8K", {104, 17, 25, 10}, noMarks),
        radioButton(mode2K + 2, "Auto", {144, 17, 31, 10}, noMarks),

        text(noId, "Guard Interval:", {21, 30, 48, 8}, group),
        radioButton(guard1of32, "1/32", {69, 28, 31, 10}, group),
        radioButton(guard1of32 + 1, "1/16", {104, 28, 31, 10}, noMarks),
        radioButton(guard1of32 + 2, "1/8", {144, 28, 27, 10}, noMarks),
        radioButton(guard1of32 + 3, "1/4", {185, 28, 27, 10}, noMarks),
        radioButton(guard1of32 + 4, "Auto", {226, 28, 31, 10}, noMarks),

        text(noId, "Constellation:", {21, 42, 43, 8}, group),
        radioButton(constellationQpsk, "QPSK", {69, 40, 32, 10}, group),
        radioButton(constellationQpsk + 1, "QAM16", {104, 40, 37, 10}, noMarks),
        radioButton(constellationQpsk + 2, "QAM64", {144, 40, 37, 10}, noMarks),
        radioButton(constellationQpsk + 3, "Auto", {185, 40, 29, 10}, noMarks),

        text(noId, "Hierarchy:", {21, 54, 33, 8}, group),
        radioButton(hierarchyNone, "No", {69, 52, 25, 10}, group),
        radioButton(hierarchyNone + 1, "Alpha 1", {104, 52, 37, 10}, noMarks),
        radioButton(hierarchyNone + 2, "Alpha 2", {144, 52, 38, 10}, noMarks),
        radioButton(hierarchyNone + 3, "Alpha 4", {185, 52, 38, 10}, noMarks),
        radioButton(hierarchyNone + 4, "Auto", {226, 52, 31, 10}, noMarks),

        text(noId, "Priority:", {21, 66, 24, 8}, group),
        radioButton(priorityHigh, "High", {69, 64, 31, 10}, group),
        radioButton(priorityHigh + 1, "Low", {104, 64, 29, 10}, noMarks),
        radioButton(priorityHigh + 2, "Auto", {144, 64, 31, 10}, noMarks),

        text(noId, "Code Rate:", {21, 80, 37, 8}, group),
        radioButton(codeRate1of2, "1/2", {69, 78, 27, 10}, group),
        radioButton(codeRate1of2 + 1, "2/3", {104, 78, 27, 10}, noMarks),
        radioButton(codeRate1of2 + 2, "3/4", {144, 78, 27, 10}, noMarks),
        radioButton(codeRate1of2 + 3, "5/6", {178, 78, 24, 10}, noMarks),
        radioButton(codeRate1of2 + 4, "7/8", {208, 78, 25, 10}, noMarks),
        radioButton(codeRate1of2 + 5, "Auto", {238, 78, 27, 10}, noMarks),

        // The Mirror group runs on over the "Tuner Parameters" box, which is no radio button
        // and so no member; the bandwidth buttons' own group mark ends it.
        text(noId, "Mirror:", {23, 95, 37, 8}, group),
        radioButton(mirrorAuto, "Auto", {69, 95, 29, 10}, group),
        radioButton(mirrorAuto + 1, "Normal", {104, 95, 37, 10}, noMarks),
        radioButton(mirrorAuto + 2, "Mirror", {144, 95, 33, 10}, noMarks),
        groupBox("Tuner Parameters", {140, 120, 131, 54}, noMarks),

        radioButton(bandwidth6, "6Mhz", {148, 151, 33, 10}, group),
        radioButton(bandwidth7, "7Mhz", {188, 151, 33, 10}, noMarks),
        radioButton(bandwidth8, "8Mhz", {226, 151, 33, 10}, noMarks),
        text(noId, "Frequency:", {149, 135, 36, 8}, group),
        editBox(frequencyBox, {193, 132, 47, 14}, tabStop),
        text(noId, "Khz", {243, 136, 13, 8}, group),

        pushButton(tuningButton, "Tuning", {21, 132, 50, 14}, tabStop),
        pushButton(abortButton, "Abort", {79, 132, 50, 14}, tabStop),

        // The read-out fields and their labels. Here the template order departs from the
        // visual one: field 1037 comes before its label, and Reset Tuner, although inside the
        // "Tuner Parameters" box, comes last of all and so is the last tab stop.
        text(noId, "Loop Times:", {23, 159, 40, 8}, group),
        text(loopTimesField, "0", {69, 159, 28, 8}, group),
        text(noId, "Status:", {23, 175, 23, 8}, group),
        text(statusField, "Unknowing...", {51, 175, 82, 8}, group),
        text(lastLockField, "0", {91, 192, 30, 8}, group),
        text(noId, "LastLockFrequency:", {23, 192, 66, 8}, group),
        text(noId, "(Khz)", {125, 193, 17, 8}, group),
        text(noId, "PBER:", {143, 177, 24, 8}, group),
        text(pberField, "0", {172, 177, 39, 8}, group),
        text(noId, "S/N:", {143, 191, 24, 8}, group),
        text(snField, "0", {172, 191, 50, 8}, group),
        checkBox(periodicCheckBox, "Periodic Check", {151, 204, 80, 10}, tabStop),
        text(noId, "APER:", {216, 177, 22, 8}, group),
        text(aperField, "0", {241, 177, 39, 8}, group),
        checkBox(resetTunerBox, "Reset Tuner", {148, 162, 55, 10}, tabStop),
    };
    return panel;
}

#include "ui/AppIcon.h"

// A DVB-T receiver card: a green board with its gold edge connector, the silver tuner can with
// the F connector on top, the demodulator chip and a red LED, and the signal arriving at the
// connector. Icons here have no transparency mask, so the picture sits on white.
//
// Digits are indices into platform::iconPalette: 0 black, 2 dark green, 3 olive, 7 silver,
// 8 grey, 9 red, B yellow, C blue, F white.
std::vector<platform::IconImage> appIconImages() {
    // clang-format off
    return {
        platform::iconImageFromRows({
            "FFFFFFCCCCCCCFFFFFFFFFFFFFFFFFFF",
            "FFFFCCFFFFFFFCCFFFFFFFFFFFFFFFFF",
            "FFFCFFFFFFFFFFFCFFFFFFFFFFFFFFFF",
            "FFCFFFFCCCCCFFFFCFFFFFFFFFFFFFFF",
            "FFFFFCCFFFFFCCFFFFFFFFFFFFFFFFFF",
            "FFFFCFFFFFFFFFCFFFFFFFFFFFFFFFFF",
            "FFFFFFFFCCCFFFFFFFFFFFFFFFFFFFFF",
            "FFFFFFFCFFFCFFFFFFFFFFFFFFFFFFFF",
            "FFFFFFFFF7FFFFFFFFFFFFFFFFFFFFFF",
            "FFFFFFFFBBBFFFFFFFFFFFFFFFFFFFFF",
            "FFFFFFFF333FFFFFFFFFFFFFFFFFFFFF",
            "FFFFFFFFBBBFFFFFFFFFFFFFFFFFFFFF",
            "F000008777778000000000000000000F",
            "F022228888888222233222222777220F",
            "F028888888888888222222222222920F",
            "F028FFFFFFFFFFF8222272727272220F",
            "F028F77777777778222000000000220F",
            "F028F77777777778222080000000220F",
            "F028F77777777778BBB000000000220F",
            "F028F77777777778222000000000220F",
            "F028F77777777778BBB000000000220F",
            "F028F78787878778222000000000220F",
            "F028F77777777778222000000000220F",
            "F028F77777777778222272727272220F",
            "F028888888888888222222233222220F",
            "F022222222222222222222222222220F",
            "F000000222222222222222222200000F",
            "FFFFFF02B2B2B2B2B2B2B2B2B20FFFFF",
            "FFFFFF02B2B2B2B2B2B2B2B2B20FFFFF",
            "FFFFFF02B2B2B2B2B2B2B2B2B20FFFFF",
            "FFFFFF000000000000000000000FFFFF",
            "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
        }),
        platform::iconImageFromRows({
            "FFCCCCCFFFFFFFFF",
            "FCFFFFFCFFFFFFFF",
            "FFFCCCFFFFFFFFFF",
            "FFFF7FFFFFFFFFFF",
            "FFFBBBFFFFFFFFFF",
            "FFF333FFFFFFFFFF",
            "FF88888FFFFFFFFF",
            "0888888800000000",
            "08FFFFF822222290",
            "08F7777827272720",
            "08F77778B0000020",
            "08F77778B0000020",
            "0888888827272720",
            "0002222222220000",
            "FF02B2B2B2B20FFF",
            "FF00000000000FFF",
        }),
    };
    // clang-format on
}

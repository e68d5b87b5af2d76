#include "panel/RunValues.h"

std::atomic<std::int32_t> abortFlag{0};
std::atomic<std::int32_t> acquisitionDone{0};
std::atomic<std::int32_t> pollCount{0};
std::int32_t unlockCount = 0;

#pragma once
// The pictures of icon resource 128, the application icon: a 32 x 32 and a 16 x 16 image in the
// 16 icon colours.

#include "platform/win/Resources.h"

#include <vector>

std::vector<platform::IconImage> appIconImages();

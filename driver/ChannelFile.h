#pragma once

#include "driver/Transmitter.h"

#include <istream>
#include <string>
#include <vector>

// Channel files in the dvbv5 format that the Linux DVB tools write and read: `[name]` sections of
// `KEY = VALUE` lines, blank lines and `#` comments. The DVB-T entries become transmitters; their
// simulator keys (SIM_CNR, SIM_OFFSET, SIM_FADE_PERIOD, SIM_FADE_LENGTH) set what the tools do not
// record. Both functions throw OpenError with the file, the line and what is wrong, and also when
// the file holds no DVB-T entry.

std::vector<Transmitter> readChannelFile(const std::string& path);

// The same for text already open; `fileName` names it in messages.
std::vector<Transmitter> parseChannelFile(std::istream& text, const std::string& fileName);

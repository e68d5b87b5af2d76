#pragma once

#include "driver/Transmitter.h"

#include <map>
#include <optional>
#include <string>

// One `[name]` section of a channel file with its `KEY = VALUE` lines as written.
struct ChannelEntry {
    struct Field {
        std::string value;
        int line = 0;
    };

    std::string name;
    // The line of the `[name]` header.
    int line = 0;
    // A key written twice keeps its last value.
    std::map<std::string, Field> fields;
};

// The transmitter that a DVB-T entry describes, or nothing for an entry of another delivery
// system. Keys that the standard tools write but a transmitter does not need (service ids, PIDs
// and so on) are ignored. Throws OpenError naming `fileName`, the line and what is wrong.
std::optional<Transmitter> transmitterFromEntry(const ChannelEntry& entry,
                                                const std::string& fileName);

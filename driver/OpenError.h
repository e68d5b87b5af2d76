#pragma once

#include <stdexcept>

// Why DVBT_INIT_IO cannot open the card, as the one line the library writes to standard error.
class OpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

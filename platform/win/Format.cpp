// Text formatting with the conversions of the system's own formatter: no floating point, at
// most 1024 characters of output.

#include "platform/win/User32.h"

#include <cstdarg>
#include <cstring>
#include <string>

namespace {

constexpr size_t outputLimit = 1024;

std::string digits(unsigned long long value, unsigned base, bool upper) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), set[value % base]);
        value /= base;
    } while (value != 0);
    return out;
}

} // namespace

int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list arglist) {
    if (buffer == nullptr || format == nullptr) {
        return -1;
    }
    std::string out;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out.push_back(*p);
            continue;
        }
        ++p;
        bool left = false;
        bool zero = false;
        bool prefix = false;
        for (;; ++p) {
            if (*p == '-') {
                left = true;
            } else if (*p == '0') {
                zero = true;
            } else if (*p == '#') {
                prefix = true;
            } else {
                break;
            }
        }
        size_t width = 0;
        while (*p >= '0' && *p <= '9') {
            width = width * 10 + static_cast<size_t>(*p++ - '0');
        }
        size_t precision = std::string::npos;
        if (*p == '.') {
            precision = 0;
            while (*++p >= '0' && *p <= '9') {
                precision = precision * 10 + static_cast<size_t>(*p - '0');
            }
        }
        // 'l' and 'h' name 32- and 16-bit values; a long is 32 bits wide on the system
        // this formatter stands in for, so both read an int here.
        bool isShort = false;
        if (*p == 'l') {
            ++p;
        } else if (*p == 'h') {
            isShort = true;
            ++p;
        }
        std::string field;
        bool negative = false;
        switch (*p) {
        case 'd':
        case 'i': {
            int value = va_arg(arglist, int);
            if (isShort) {
                value = static_cast<short>(value);
            }
            negative = value < 0;
            field = digits(negative ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(value))
                                    : static_cast<unsigned long long>(value), 10, false);
            break;
        }
        case 'u': {
            unsigned value = va_arg(arglist, unsigned);
            field = digits(isShort ? static_cast<unsigned short>(value) : value, 10, false);
            break;
        }
        case 'x':
        case 'X': {
            unsigned value = va_arg(arglist, unsigned);
            field = digits(isShort ? static_cast<unsigned short>(value) : value, 16, *p == 'X');
            if (prefix && value != 0) {
                field.insert(0, *p == 'X' ? "0X" : "0x");
            }
            break;
        }
        case 'c': field.assign(1, static_cast<char>(va_arg(arglist, int))); break;
        case 's': {
            const char* s = va_arg(arglist, const char*);
            field = s != nullptr ? s : "(null)";
            if (precision != std::string::npos && field.size() > precision) {
                field.resize(precision);
            }
            break;
        }
        case '\0': --p; continue;
        default: field.assign(1, *p); break; // "%%" and unknown conversions give the character
        }
        if (negative) {
            field.insert(field.begin(), '-');
        }
        if (field.size() < width) {
            size_t pad = width - field.size();
            if (left) {
                field.append(pad, ' ');
            } else if (zero && *p != 's' && *p != 'c') {
                field.insert(negative ? 1 : 0, pad, '0');
            } else {
                field.insert(0, pad, ' ');
            }
        }
        out += field;
    }
    if (out.size() > outputLimit - 1) {
        out.resize(outputLimit - 1);
    }
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return static_cast<int>(out.size());
}

int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    va_list arguments;
    va_start(arguments, format);
    int written = wvsprintfA(buffer, format, arguments);
    va_end(arguments);
    return written;
}

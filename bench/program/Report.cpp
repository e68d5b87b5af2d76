#include "bench/program/Report.h"

#include <cstdio>

namespace bench {

void Report::limited(const std::string& name, double value, double limit, const std::string& unit,
                     const std::string& limitMeaning) {
    bool met = value <= limit;
    if (!met) {
        ++missed_;
    }
    char against[160];
    std::snprintf(against, sizeof against, "limit %.3f %s (%s)", limit, unit.c_str(),
                  limitMeaning.c_str());
    line(name, value, unit, against, met ? "met" : "MISSED");
}

void Report::beside(const std::string& name, double value, double reference,
                    const std::string& unit, const std::string& referenceMeaning) {
    char against[160];
    std::snprintf(against, sizeof against, "beside %.3f %s (%s)", reference, unit.c_str(),
                  referenceMeaning.c_str());
    line(name, value, unit, against, "");
}

void Report::note(const std::string& text) {
    std::printf("    %s\n", text.c_str());
    std::fflush(stdout);
}

void Report::line(const std::string& name, double value, const std::string& unit,
                  const std::string& against, const std::string& verdict) {
    std::printf("%-40s %10.3f %-4s %s%s%s\n", name.c_str(), value, unit.c_str(), against.c_str(),
                verdict.empty() ? "" : "  ", verdict.c_str());
    std::fflush(stdout);
}

} // namespace bench

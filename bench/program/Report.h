#pragma once
// The benchmark's output: one line per figure, the measured value beside the limit it is held
// against, and whether it keeps to it.

#include <optional>
#include <string>

namespace bench {

class Report {
public:
    // A figure held against a limit: met when `value` does not exceed `limit`.
    void limited(const std::string& name, double value, double limit, const std::string& unit,
                 const std::string& limitMeaning);
    // A figure shown beside a reference value that it is not held against.
    void beside(const std::string& name, double value, double reference, const std::string& unit,
                const std::string& referenceMeaning);
    // A line of context under the figures above it.
    void note(const std::string& text);

    bool allMet() const { return missed_ == 0; }
    int missed() const { return missed_; }

private:
    void line(const std::string& name, double value, const std::string& unit,
              const std::string& against, const std::string& verdict);

    int missed_ = 0;
};

} // namespace bench

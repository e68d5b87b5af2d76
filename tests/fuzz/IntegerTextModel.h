#pragma once
// A second reading of the frequency box's integer rules, written from their description alone,
// step by step and with no arithmetic that can overflow, so that the fuzzer can hold the
// framework's parse against it.

#include <optional>
#include <string_view>

// The value a save stores for the box's text, or nothing when the integer prompt is due.
std::optional<int> integerTextModel(std::string_view boxText);

// Checks the model against the cases the rules spell out; gives the first text it gets wrong,
// or nothing.
std::optional<std::string_view> modelMissesADocumentedCase();

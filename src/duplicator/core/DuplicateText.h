// The text of Tessary's output: numbered copies of figures, one after another on one line, and
// the copy counts the user asks for. The window and kestrelon-cli both write through here, so
// their files are the same byte for byte.
#pragma once

#include "duplicator/core/FigureCollector.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::duplicator {

// The copy count an answer asks for: the number it stands for, rounded to the nearest whole
// number (halves to the even neighbour); nullopt when it is not a number or beyond 32 bits.
std::optional<std::int32_t> parseCopyCount(std::string_view answer);

// Why an answer gives no copy count, as one sentence for the user ("\"two\" is not a number.",
// "\"3000000000\" is too large: ..."); nullopt when parseCopyCount takes the answer.
std::optional<std::string> copyCountProblem(std::string_view answer);

// The number of copies the counts make together (counts of 0 or less make none).
std::int64_t totalCopies(const std::vector<std::int32_t>& counts);

// Every copy, figure by figure in order: " figure { ", the name in double quotes with the
// running copy number as suffix (IndexSuffix: 001 to 999, then 1000, 1001, ...), the body and a blank. The copy number runs on
// from one figure to the next. counts holds one count per figure; the total must fit the
// 32-bit copy number.
std::string renderDuplicates(const std::vector<Figure>& figures, const std::vector<std::int32_t>& counts);

// Writes renderDuplicates' text to path, completely or not at all. Raises FileError when the
// file cannot be written or the copies would number more than a 32-bit copy number holds.
void writeDuplicateFile(const std::string& path, const std::vector<Figure>& figures,
                        const std::vector<std::int32_t>& counts);

} // namespace kestrelon::duplicator

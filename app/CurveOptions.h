#pragma once
// The curve's options as the command line writes them: --vary STATISTIC=FROM..TO[:STEP] and
// --target P. Each answers what it read, or a message that names the option.
#include <string>
#include <string_view>
#include <variant>

#include "Balance.h"

namespace duelmark {

// The most values a curve has: each may take a good part of a second.
inline constexpr std::size_t kMostCurvePoints = 1000;

std::variant<Odds::Varied, std::string> ReadVaried(std::string_view text);
// A percentage from 0 to 100, answered as a share.
std::variant<double, std::string> ReadTarget(std::string_view text);

}  // namespace duelmark

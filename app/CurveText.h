#pragma once
// A curve of the odds as a person reads it, as JSON and as CSV, with the values between which
// the Hero's chance crosses the target.
#include <optional>
#include <string>
#include <vector>

#include "Balance.h"

namespace duelmark {

struct Curve {
  Settings settings;  // the others, as they stand
  Odds::Varied varied;
  std::vector<Odds::Point> points;
  std::optional<double> target;  // a share
};

// "Hero Health"'s place to leave out of the setting's words: the table's size for the Enemies.
std::size_t LeftOut(const Odds::Varied& varied);

// Every crossing of the target, "The Hero's chance crosses 50.00 %: Hero Health 52 gives
// 49.10 %, 53 gives 50.40 %." and, where sampled, how sure it is; or that there is none.
std::vector<std::string> TargetWords(const Curve& curve);

std::string CurveText(const Curve& curve);
std::string CurveJson(const Curve& curve);
std::string CurveCsv(const Curve& curve);

}  // namespace duelmark

#pragma once
// Where the settings window shows each of the fighters' statistics: a row per entry of the
// statistics' table, in the same order, with its controls and their places.
#include <array>
#include <string_view>

#include "Statistics.h"

namespace duelmark {

struct StatisticRow {
  std::string_view box;  // the settings window's controls of its row
  std::string_view label;
  // Its row in its side's frame, in twips.
  double top;
  double labelLeft;
  double labelWidth;
  int boxTabIndex;
  int labelTabIndex;
};

inline constexpr std::array<StatisticRow, kStatistics.size()> kStatisticRows{{
    {"txtHealth", "Label3", 360, 435, 615, 6, 11},
    {"txtAttack", "Label7", 720, 435, 615, 4, 7},
    {"txtDefence", "Label6", 1080, 285, 855, 5, 8},
    {"txtMagic", "Label5", 1440, 465, 615, 3, 9},
    {"txtMagicDef", "Label4", 1800, 120, 975, 2, 10},
    {"txtEHealth", "Label9", 360, 795, 615, 13, 18},
    {"txtEAttack", "Label13", 720, 795, 615, 14, 21},
    {"txtESuicide", "Label14", 1080, 220, 1215, 16, 22},
    {"txtEDefence", "Label12", 1440, 645, 855, 15, 20},
    {"txtEMagDef", "Label10", 1800, 480, 975, 17, 19},
}};

// The index in the table of the statistic whose row holds the named control.
std::size_t StatisticOfControl(std::string_view control);

}  // namespace duelmark

#include "StatisticRows.h"

#include <stdexcept>
#include <string>

namespace duelmark {

std::size_t StatisticOfControl(std::string_view control) {
  for (std::size_t i = 0; i < kStatisticRows.size(); ++i) {
    if (kStatisticRows[i].box == control || kStatisticRows[i].label == control) return i;
  }
  throw std::logic_error("no statistic's row holds " + std::string(control));
}

}  // namespace duelmark

#include "Int16.h"

namespace rt {

std::string ToText(std::int64_t value) { return std::to_string(value); }

}  // namespace rt

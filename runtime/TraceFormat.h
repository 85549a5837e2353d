#pragma once
// The text of one trace line: "<t> <window>.<handler>" for an event and
// "<t> <window>.<control>(<i>).<Property>=<value>" for a write.
#include <string>
#include <string_view>

#include "Clock.h"

namespace rt {

std::string TraceTime(Micros time);             // seconds with three decimals: "3.004"
std::string TraceValue(bool value);             // True or False
std::string TraceValue(double value);           // plain decimal, fraction kept, no trailing zeros
std::string TraceValue(std::string_view text);  // double quotes; '"' and '\' escaped

}  // namespace rt

#pragma once
// The odds as a person reads them and as a program reads them (JSON). The command line prints
// them; the web page takes the JSON and draws its figures and chart from it.
#include <string>

#include "Odds.h"
#include "Statistics.h"

namespace duelmark {

// Each names the setting the odds were worked out for.
std::string OddsText(const Setting& setting, const Odds::Figures& figures);
std::string OddsJson(const Setting& setting, const Odds::Figures& figures);

}  // namespace duelmark

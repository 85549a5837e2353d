#pragma once
// Which language the program speaks: the first that the user asks for and a catalogue exists
// for, else English (the source's, no catalogue).
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// The languages asked for on a desktop, in gettext's order: LANGUAGE (a list separated by ":",
// heeded only when the locale is not "C" or "POSIX"), then the first of LC_ALL, LC_MESSAGES
// and LANG that is set. Each a value of the variable or empty where it is unset.
std::vector<std::string> DesktopLanguages(std::string_view language, std::string_view lcAll,
                                          std::string_view lcMessages, std::string_view lang);

// The catalogue for the first wish that one is there for: "de_AT.UTF-8@euro", "de-AT" and "de"
// each find "de", as does "de_AT" where "de_AT" itself is not there. Empty: English.
std::string ChooseLanguage(const std::vector<std::string>& wishes, const std::vector<std::string>& catalogues);

}  // namespace rt

#pragma once
// The page speaks its reader's language: the first that the address asks for (?lang=de, so that
// a shared link keeps its language) or else the browser does, among those the site holds a
// catalogue of (ChooseLanguage). The program starts once that catalogue is there, in it; at once
// in English, and in English too when the catalogue fails to arrive. The page's own texts, those
// of index.html and of its scripts, are looked up in the same catalogue (PageLanguage.js).
#include <string_view>

extern "C" {
// The wishes, the address's first, one a line: a text the C++ side frees.
char* web_language_wishes();
// Fetches the site's catalogue of the language, and hands it to web_catalogue_arrived.
void web_fetch_catalogue(const char* language);
// The page's <html lang> and its own texts, now that the program looks its texts up in the
// language's catalogue.
void web_speak_language(const char* tag);
}

namespace rt::web {

// Runs `start` (which opens the program's first window) in the page's language, chosen from
// the languages of the site's catalogues, separated by spaces ("de fr"); then tells the page
// that the program has started.
void StartInPageLanguage(std::string_view catalogues, void (*start)());

}  // namespace rt::web

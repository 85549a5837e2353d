#pragma once
// A stand-in for the browser's page, for the web backend's native tests: the calls that
// Page.js answers in a browser, kept as a small model of the document.
#include <map>
#include <string>
#include <vector>

namespace duelmark::testing {

struct FakeElement {
  int parent = 0;
  std::string tag{};
  std::map<std::string, std::string> attributes{};
  std::map<std::string, std::string> styles{};
  std::string text{};  // the text content, or an input's value
  std::vector<std::string> options{};
  int selected = -1;
  bool disabled = false;
  bool listening = false;  // its clicks, typing or choices come back
  bool Has(const std::string& attribute) const { return attributes.contains(attribute); }
};

struct FakePage {
  std::map<int, FakeElement> elements;  // by number, in the order they were made
  int focused = 0;
  bool focusSelectsAll = false;
  std::vector<std::string> messages, announcements;
  double tickWait = -1;  // the wait of the tick asked for last, or -1 for none
  int userActed = 0;     // times the page was told that the user has acted
  bool ended = false;

  // The control's element that shows or is called by this text (its caption, name or picture's
  // text), 0 if none.
  int Find(const std::string& name) const;
};

// The page that the backend writes; fresh for every test.
FakePage& Page();

}  // namespace duelmark::testing

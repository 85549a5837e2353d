#include "FakePage.h"

#include <cstring>
#include <iterator>

#include "Page.h"

namespace duelmark::testing {

int FakePage::Find(const std::string& name) const {
  for (const auto& [id, element] : elements) {
    if (!element.Has("class") || !element.attributes.at("class").starts_with("control")) continue;
    for (const char* attribute : {"aria-label", "alt"}) {
      const auto found = element.attributes.find(attribute);
      if (found != element.attributes.end() && found->second == name) return id;
    }
    if (element.text == name) return id;
  }
  return 0;
}

FakePage& Page() {
  static FakePage page;
  return page;
}

}  // namespace duelmark::testing

using duelmark::testing::Page;

extern "C" {

void web_create(int id, int parentId, const char* tag) { Page().elements[id] = {.parent = parentId, .tag = tag}; }
void web_remove(int id) {
  // The element and everything inside it: an element is made after its parent, so one pass in
  // the order of their numbers finds them all.
  auto& elements = Page().elements;
  for (auto it = elements.begin(); it != elements.end();) {
    const bool gone = it->first == id || (it->second.parent != 0 && !elements.contains(it->second.parent));
    it = gone ? elements.erase(it) : std::next(it);
  }
}
void web_set_attribute(int id, const char* name, const char* value) { Page().elements.at(id).attributes[name] = value; }
void web_remove_attribute(int id, const char* name) { Page().elements.at(id).attributes.erase(name); }
void web_set_style(int id, const char* property, const char* value) { Page().elements.at(id).styles[property] = value; }
void web_set_text(int id, const char* text) { Page().elements.at(id).text = text; }
void web_set_value(int id, const char* value) { Page().elements.at(id).text = value; }
void web_add_option(int id, const char* text) { Page().elements.at(id).options.emplace_back(text); }
void web_set_selected(int id, int index) { Page().elements.at(id).selected = index; }
void web_set_disabled(int id, int disabled) { Page().elements.at(id).disabled = disabled != 0; }
void web_listen(int id) { Page().elements.at(id).listening = true; }
void web_listen_escape(int) {}
void web_name_close_box(int id) { Page().elements.at(id).attributes["aria-label"] = "Close"; }
void web_make_draggable(int, int) {}
void web_fit_to_view(int) {}
void web_focus(int id, int selectAll) {
  Page().focused = id;
  Page().focusSelectsAll = selectAll != 0;
}
void web_show_message(const char* text) { Page().messages.emplace_back(text); }
void web_announce(const char* text) { Page().announcements.emplace_back(text); }
void web_schedule_tick(double milliseconds) { Page().tickWait = milliseconds; }
void web_user_acted() { ++Page().userActed; }
void web_ended() { Page().ended = true; }
void web_trace(const char*) {}
int web_page_asks_for(const char*) { return 0; }
void web_number_separators(char* decimal, char* group, int size) {
  std::strncpy(decimal, ",", static_cast<std::size_t>(size));
  std::strncpy(group, "\u00a0", static_cast<std::size_t>(size));  // as in French: not ASCII
}
}

#pragma once
// The page's document as the C++ side drives it (Page.js): elements by number, 0 being the
// page's desktop, where windows stand.
#include <string>

extern "C" {
void web_create(int id, int parentId, const char* tag);
void web_remove(int id);
void web_set_attribute(int id, const char* name, const char* value);
void web_remove_attribute(int id, const char* name);
void web_set_style(int id, const char* property, const char* value);
void web_set_text(int id, const char* text);
void web_set_value(int id, const char* value);
void web_add_option(int id, const char* text);
void web_set_selected(int id, int index);
void web_set_disabled(int id, int disabled);
void web_listen(int id);
void web_listen_escape(int panelId);
void web_name_close_box(int id);  // in the page's words
void web_make_draggable(int handleId, int panelId);
void web_fit_to_view(int id);  // as large as the page allows, in its middle
void web_focus(int id, int selectAll);
void web_show_message(const char* text);
void web_announce(const char* text);
void web_schedule_tick(double milliseconds);  // a negative wait cancels the tick
// The program's start (its first window open), the user's first input, and the program's end:
// a new build of the page waits between the last two.
void web_started();
void web_user_acted();
void web_ended();
void web_trace(const char* line);
int web_page_asks_for(const char* name);  // a parameter in the page's address, as in ?trace
// The separators of the browser's language, as UTF-8 texts, each in a buffer of the given size.
void web_number_separators(char* decimal, char* group, int size);
}

namespace rt::web {

// An element of the page, made by the C++ side and removed with its panel.
class Element {
 public:
  Element() = default;
  Element(int parentId, const char* tag);

  int Id() const { return id_; }
  void Set(const char* attribute, const std::string& value) const { web_set_attribute(id_, attribute, value.c_str()); }
  void Unset(const char* attribute) const { web_remove_attribute(id_, attribute); }
  void Style(const char* property, const std::string& value) const { web_set_style(id_, property, value.c_str()); }
  void Text(const std::string& text) const { web_set_text(id_, text.c_str()); }
  void Hidden(bool hidden) const {
    if (hidden) {
      Set("hidden", "");
    } else {
      Unset("hidden");
    }
  }

 private:
  int id_ = 0;
};

}  // namespace rt::web

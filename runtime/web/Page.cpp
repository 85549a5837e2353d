#include "Page.h"

#include <string>

namespace rt::web {
namespace {

int NextId() {
  static int last = 0;
  return ++last;
}

}  // namespace

Element::Element(int parentId, const char* tag) : id_(NextId()) { web_create(id_, parentId, tag); }

}  // namespace rt::web

#include "AccessibleNames.h"

#include <map>

namespace rt::qt {
namespace {

struct Place {
  double left, top, right, bottom;
};

// Where the control stands in the window, through the frames that hold it.
Place InWindow(const Control& control) {
  double left = control.Left(), top = control.Top();
  for (const Control* frame = control.Container(); frame; frame = frame->Container()) {
    left += frame->Left();
    top += frame->Top();
  }
  return {left, top, left + control.Width(), top + control.Height()};
}

// "Health =" is read "Health".
std::string WithoutEquals(std::string caption) {
  while (!caption.empty() && (caption.back() == ' ' || caption.back() == '=')) caption.pop_back();
  return caption;
}

// The label on the field's row that starts nearest to its left.
const Control* RowLabel(const Window& window, const Control& field) {
  const Place at = InWindow(field);
  const Control* nearest = nullptr;
  double nearestLeft = 0;
  for (const auto& control : window.Controls()) {
    if (control->Kind() != ControlKind::Label) continue;
    const Place label = InWindow(*control);
    const bool sameRow = label.top < at.bottom && at.top < label.bottom;
    if (sameRow && label.left < at.left && (!nearest || label.left > nearestLeft)) {
      nearest = control.get();
      nearestLeft = label.left;
    }
  }
  return nearest;
}

}  // namespace

std::string FieldName(const Window& window, const Control& field) {
  const Control* label = RowLabel(window, field);
  std::string name = label ? WithoutEquals(label->Caption()) : field.Name();
  if (const Control* frame = field.Container(); frame && !frame->Caption().empty()) {
    const std::string& group = frame->Caption();
    name = group.substr(0, group.find(' ')) + " " + name;
  }
  return name;
}

std::string PictureName(const Window& window, const Control& picture) {
  static const std::map<std::string, std::string, std::less<>> kShows{
      {"battlefield", "battlefield"},         {"hero", "Hero"},
      {"hero-attack", "the Hero attacks"},    {"enemy-attack", "an Enemy attacks"},
      {"magic", "the Hero's magic"},          {"cure", "the Hero's cure"},
      {"suicide", "an Enemy's suicide blast"}};
  const std::string& shows = picture.Look().picture;
  if (shows == "enemy") return "Enemy " + std::to_string(picture.Index());
  if (shows != "arrow") {
    const auto known = kShows.find(shows);
    return known != kShows.end() ? known->second : "picture";
  }
  // An arrow points down at the fighter whose turn it is: the nearest figure below its tip.
  const Place arrow = InWindow(picture);
  const double tip = (arrow.left + arrow.right) / 2;
  const Control* below = nullptr;
  double belowTop = 0;
  for (const auto& control : window.Controls()) {
    const std::string& other = control->Look().picture;
    if (control->Kind() != ControlKind::Image || (other != "hero" && other != "enemy")) continue;
    const Place figure = InWindow(*control);
    if (figure.left <= tip && tip <= figure.right && figure.top >= arrow.top && (!below || figure.top < belowTop)) {
      below = control.get();
      belowTop = figure.top;
    }
  }
  return below ? "turn arrow over " + PictureName(window, *below) : "turn arrow";
}

std::string ShapeName(const Control& shape) {
  static const std::map<std::string, std::string, std::less<>> kShapes{
      {"shpInfo", "message bar"}, {"shpStats", "status panel"}, {"Shape1", "title band"}};
  const auto known = kShapes.find(shape.Name());
  return known != kShapes.end() ? known->second : "panel";
}

}  // namespace rt::qt

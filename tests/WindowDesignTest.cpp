// The three windows as designed, before any load: properties that every control keeps,
// whatever its numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "StatisticRows.h"
#include "TabOrder.h"

namespace duelmark {
namespace {

class WindowDesign : public ::testing::Test {
 protected:
  static const rt::Control& Named(const rt::Window& window, std::string_view name) {
    const auto& controls = window.Controls();
    const auto found = std::ranges::find_if(controls, [name](const auto& c) { return c->Name() == name; });
    if (found == controls.end()) throw std::logic_error("no control " + std::string(name));
    return **found;
  }
  static std::string Where(const rt::Window& window, const rt::Control& control) {
    return window.Name() + "." + control.TraceName();
  }

  FrmBattleSettings settings_;
  FrmBattle battle_{DefaultSettings()};
  FrmEnd end_;
  const rt::Window* const windows_[3] = {&settings_, &battle_, &end_};
};

TEST_F(WindowDesign, EveryControlLiesInsideItsContainerOrWaitsHiddenBelowIt) {
  for (const rt::Window* window : windows_) {
    for (const auto& control : window->Controls()) {
      const rt::Control* container = control->Container();
      const double width = container ? container->Width() : window->Look().clientWidth;
      const double height = container ? container->Height() : window->Look().clientHeight;
      const bool across = control->Left() >= 0 && control->Left() + control->Width() <= width;
      const bool down = control->Top() >= 0 && control->Top() + control->Height() <= height;
      // A move's picture or label waits below the window until the move places it.
      const bool waiting = !control->Visible() && control->Top() >= height;
      EXPECT_TRUE(across && (down || waiting)) << Where(*window, *control);
    }
  }
}

// One that a sibling in front covers whole could never be seen or clicked. A label without a
// colour of its own lets what lies behind it show through.
TEST_F(WindowDesign, NoControlLiesWhollyBehindASiblingInFrontOfIt) {
  for (const rt::Window* window : windows_) {
    const auto& controls = window->Controls();
    for (std::size_t front = 0; front < controls.size(); ++front) {
      for (std::size_t back = front + 1; back < controls.size(); ++back) {
        const rt::Control &f = *controls[front], &b = *controls[back];
        if (f.Kind() == rt::ControlKind::Timer || b.Kind() == rt::ControlKind::Timer) continue;
        if (f.Kind() == rt::ControlKind::Label && !f.Look().backColor) continue;
        const bool covered = f.Container() == b.Container() && f.Left() <= b.Left() && f.Top() <= b.Top() &&
                             f.Left() + f.Width() >= b.Left() + b.Width() &&
                             f.Top() + f.Height() >= b.Top() + b.Height();
        EXPECT_FALSE(covered) << Where(*window, b) << " behind " << f.TraceName();
      }
    }
  }
}

// Every control that takes the focus has a tab index; all the indices given, labels' and
// frames' as well, count 0, 1, 2, ... without a gap or a repeat.
TEST_F(WindowDesign, TabIndicesAreUniqueAndDense) {
  for (const rt::Window* window : windows_) {
    std::vector<int> indices;
    for (const auto& control : window->Controls()) {
      const int index = control->Look().tabIndex;
      if (index >= 0) indices.push_back(index);
      EXPECT_TRUE(index >= 0 || !rt::TakesFocus(control->Kind())) << Where(*window, *control);
    }
    std::ranges::sort(indices);
    for (std::size_t i = 0; i < indices.size(); ++i) EXPECT_EQ(indices[i], static_cast<int>(i)) << window->Name();
  }
}

// A reader names a box by its label: each box has exactly one, in the same window.
TEST_F(WindowDesign, EveryBoxIsNamedByOneLabelOfItsWindow) {
  for (const rt::Window* window : windows_) {
    const auto& controls = window->Controls();
    for (const auto& box : controls) {
      if (box->Kind() != rt::ControlKind::TextBox && box->Kind() != rt::ControlKind::ListBox) continue;
      EXPECT_EQ(std::ranges::count_if(controls, [&box](const auto& c) { return c->Look().labelFor == box.get(); }), 1)
          << Where(*window, *box);
    }
    for (const auto& label : controls) {
      const rt::Control* box = label->Look().labelFor;
      if (!box) continue;
      EXPECT_EQ(label->Kind(), rt::ControlKind::Label) << Where(*window, *label);
      EXPECT_TRUE(std::ranges::any_of(controls, [box](const auto& c) { return c.get() == box; }))
          << Where(*window, *label) << " names a box of another window";
    }
  }
}

TEST_F(WindowDesign, EachStatisticsRowIsCaptionedByItsNameBesideItsBoxInItsSidesFrame) {
  for (std::size_t i = 0; i < kStatistics.size(); ++i) {
    const StatisticRow& row = kStatisticRows[i];
    const Statistic& statistic = kStatistics[i];
    const rt::Control& label = Named(settings_, row.label);
    const rt::Control& box = Named(settings_, row.box);
    SCOPED_TRACE(row.box);
    EXPECT_EQ(label.Caption(), std::string(statistic.name) + " =");
    EXPECT_EQ(label.Look().labelFor, &box);
    EXPECT_EQ(box.Container()->Caption(), statistic.side == Side::Hero ? "Hero Stats" : "Enemy Stats");
    EXPECT_EQ(label.Container(), box.Container());
    EXPECT_EQ(label.Top(), box.Top());
    EXPECT_LE(label.Left() + label.Width(), box.Left());
  }
}

}  // namespace
}  // namespace duelmark

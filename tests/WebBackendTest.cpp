// The web backend's C++ against a stand-in for the page: the panels it makes of the windows,
// the input it hands back, the message box's contract and the browser's tick schedule.
#include <algorithm>

#include "FakePage.h"
#include "FrmBattle.h"
#include "FrmBattleSettings.h"
#include "FrmEnd.h"
#include "Harness.h"
#include "Pixels.h"
#include "TabOrder.h"
#include "WebHost.h"

namespace duelmark::testing {
namespace {

class WebBackend : public Harness {
 protected:
  WebBackend() { Page() = {}; }

  static const FakeElement& Element(int id) { return Page().elements.at(id); }
  // The element of a control, found as a user finds it: by the name it shows or is called by.
  static int IdOf(const rt::Control& control) {
    const std::string& name = control.AccessibleName().empty() ? control.Caption() : control.AccessibleName();
    const int id = Page().Find(name);
    EXPECT_NE(id, 0) << "no element is called " << name;
    return id;
  }
  static int PanelOf(int id) {
    while (id != 0 && Element(id).tag != "section") id = Element(id).parent;
    return id;
  }
  static int PanelCalled(const std::string& caption) {
    for (const auto& [id, element] : Page().elements) {
      if (element.tag == "span" && element.text == caption) return Element(element.parent).parent;
    }
    return 0;
  }
  static int CloseBoxOf(int panel) {
    for (const auto& [id, element] : Page().elements) {
      if (PanelOf(id) == panel && element.attributes.contains("class") && element.attributes.at("class") == "close-box")
        return id;
    }
    return 0;
  }

  // The elements within the element, in the order the document holds them.
  static std::vector<int> DocumentOrder(int root) {
    std::vector<int> order;
    for (const auto& [id, element] : Page().elements) {
      if (element.parent == root) {
        order.push_back(id);
        for (const int inside : DocumentOrder(id)) order.push_back(inside);
      }
    }
    return order;
  }

  rt::web::WebHost host_{Runtime()};
};

TEST_F(WebBackend, AWindowBecomesAPanelOfItsControlsInTabOrderWithTheFirstThatCanFocused) {
  for (rt::Window* window : std::initializer_list<rt::Window*>{&frmBattleSettings(), &OpenBattle(3), &frmEnd()}) {
    window->Show();
    const auto controls = std::count_if(window->Controls().begin(), window->Controls().end(),
                                        [](const auto& c) { return c->Kind() != rt::ControlKind::Timer; });
    const int panel = PanelCalled(window->Look().caption);
    const auto elements = std::count_if(Page().elements.begin(), Page().elements.end(), [panel](const auto& entry) {
      return PanelOf(entry.first) == panel && entry.second.Has("class") &&
             entry.second.attributes.at("class").starts_with("control");
    });
    EXPECT_EQ(elements, controls) << window->Name();
    // The page's Tab follows its document: the controls that take the focus stand in the
    // design's tab order, and no element asks for a place of its own.
    std::vector<int> tabOrder, documentOrder;
    for (const rt::Control* control : rt::TabOrder(*window)) tabOrder.push_back(IdOf(*control));
    for (const int id : DocumentOrder(panel)) {
      if (std::find(tabOrder.begin(), tabOrder.end(), id) != tabOrder.end()) documentOrder.push_back(id);
      if (Element(id).Has("tabindex")) {
        EXPECT_LE(std::stoi(Element(id).attributes.at("tabindex")), 0) << id;
      }
    }
    EXPECT_EQ(documentOrder, tabOrder) << window->Name();
    EXPECT_EQ(DocumentOrder(panel).back(), CloseBoxOf(panel)) << "the close box is the last stop";
    // Each box is named by exactly one label.
    for (const auto& [id, element] : Page().elements) {
      if (element.tag != "input" && !(element.Has("role") && element.attributes.at("role") == "listbox")) continue;
      const std::string& boxId = element.attributes.at("id");
      EXPECT_EQ(std::count_if(Page().elements.begin(), Page().elements.end(),
                              [&boxId](const auto& label) {
                                return label.second.attributes.contains("for") &&
                                       label.second.attributes.at("for") == boxId;
                              }),
                1);
    }
    const auto order = rt::TabOrder(*window);
    const auto first =
        std::find_if(order.begin(), order.end(), [](const rt::Control* c) { return rt::CanTakeFocus(*c); });
    if (first == order.end()) {
      EXPECT_EQ(Element(Page().focused).tag, "section") << window->Name() << ": the window itself";
    } else {
      EXPECT_EQ(Page().focused, IdOf(**first)) << window->Name();
      EXPECT_TRUE(Page().focusSelectsAll) << "the first focus comes as Tab brings it";
    }
  }
}

TEST_F(WebBackend, TheFocusMovesToARefusedBoxOnlyOnceTheUserHasClosedTheMessage) {
  FrmBattleSettings& form = frmBattleSettings();
  form.Show();
  const int box = IdOf(form.txtEHealth);
  // A focus is no input; the first edit tells the page, once, that the user has acted (a new
  // build of the page waits from then on).
  host_.Focused(box);
  EXPECT_EQ(Page().userActed, 0);
  host_.Edited(box, "lots");
  EXPECT_EQ(Page().userActed, 1);
  host_.Clicked(IdOf(form.cmdStart));
  ASSERT_EQ(Page().messages.size(), 1u);
  // The page's language writes fractions with "," and groups with a blank outside ASCII.
  EXPECT_EQ(
      Page().messages[0],
      "Enemy \"Health\" must be a number from -32768 to 32767.\nA fraction, written with \",\", is rounded to the "
      "nearest whole number.");
  EXPECT_NE(Page().focused, box);
  host_.MessageClosed();
  EXPECT_EQ(Page().focused, box);
  EXPECT_TRUE(Page().focusSelectsAll);
  host_.Edited(box, "20,5");
  host_.Clicked(IdOf(form.cmdStart));
  EXPECT_EQ(State().Enemies(1).Health, 20);
  EXPECT_EQ(Page().userActed, 1);
}

// A window whose control has lost the focus gives it to its caption, which a screen reader says
// alone; only a window that opens with the focus on itself (the report) takes it as a whole.
TEST_F(WebBackend, StartPressedGivesTheFocusToTheBattleWindowsCaption) {
  OpenBattle(1).Show();
  Draws({0.0f});
  host_.Clicked(IdOf(frmBattle().cmdStart));
  EXPECT_EQ(Element(Page().focused).tag, "span");
  EXPECT_EQ(Element(Page().focused).text, frmBattle().Look().caption);
}

TEST_F(WebBackend, EscapeClosesOnlyTheReportAndEveryCloseBoxClosesItsWindow) {
  frmBattleSettings().Show();
  const int settings = PanelOf(IdOf(frmBattleSettings().cmdStart));
  EXPECT_FALSE(host_.EscapePressed(settings));
  frmEnd().Show();
  const int report = PanelOf(IdOf(frmEnd().lblEnd));
  EXPECT_TRUE(host_.EscapePressed(report));
  EXPECT_FALSE(Page().elements.contains(report));
  EXPECT_FALSE(Page().ended);
  host_.Clicked(CloseBoxOf(settings));
  EXPECT_TRUE(Page().ended);
}

TEST_F(WebBackend, TicksThatAThrottledTabMissedFollowAtOnceAndTheBattleKeepsItsSchedule) {
  Draws({0.0f, 0.0f});  // the Hero's target, then the Enemy's attack
  FrmBattle& form = OpenBattle(1);
  form.Show();
  host_.Clicked(IdOf(form.cmdStart));
  EXPECT_TRUE(Element(IdOf(form.cmdStart)).disabled);
  EXPECT_EQ(Page().tickWait, 50);
  const int figure = IdOf(form.lblEnemyInfo);
  const double risen = form.lblEnemyInfo.Top();
  clock_->Set(rt::Milliseconds(1550) + 400);  // the tab slept through 31 ticks
  host_.Tick();
  EXPECT_EQ(form.lblEnemyInfo.Top(), risen - 31 * 10);
  EXPECT_EQ(Element(figure).styles.at("top"), std::to_string(rt::Pixels(form.lblEnemyInfo.Top())) + "px");
  EXPECT_EQ(Page().tickWait, 50) << "49.6 ms, rounded up";
  // A background tab woken after 11 s: the Hero's move, a pause and the Enemy's move are over,
  // and the pause after it is due again at 13 s.
  clock_->Set(rt::Milliseconds(12'500));
  host_.Tick();
  EXPECT_EQ(State().EnemyMoves, 1);
  EXPECT_TRUE(form.tmrPause.Enabled());
  EXPECT_EQ(Page().tickWait, 500);
  EXPECT_TRUE(Element(figure).Has("hidden"));
}

}  // namespace
}  // namespace duelmark::testing

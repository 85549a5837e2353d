#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <numeric>
#include <optional>
#include <random>

#include "ExactDecimal.h"
#include "Harness.h"
#include "Random.h"
#include "Window.h"

namespace duelmark::testing {
namespace {

// Items set apart from the inline design, where GCC 12 at -O3 reports a false
// -Wmaybe-uninitialized.
rt::Design PickList() {
  rt::Design list{.text = "1"};
  list.items = {"1", "2", "3"};
  return list;
}

// A window with two timers and a button, recording what its handlers saw.
class Probe final : public rt::Window {
 public:
  static constexpr const char* kName = "frmProbe";
  Probe()
      : Window(kName, {.caption = "Probe", .clientWidth = 1500, .clientHeight = 1500}),
        tmrFast(Add(rt::ControlKind::Timer, "tmrFast", {.enabled = false, .interval = 50})),
        tmrSlow(Add(rt::ControlKind::Timer, "tmrSlow", {.enabled = false, .interval = 1000})),
        cmdGo(Add(rt::ControlKind::CommandButton, "cmdGo", {.caption = "Go"})),
        lblOut(Add(rt::ControlKind::Label, "lblOut", {.left = 10.5})),
        lstPick(Add(rt::ControlKind::ListBox, "lstPick", PickList())),
        arr(AddArray(rt::ControlKind::Label, "arr", {1, 2}, [](int) { return rt::Design{}; })) {
    tmrFast.OnTimer([this] {
      events.push_back("fast@" + std::to_string(Runtime().Now() / 1000));
      onFast();
    });
    tmrSlow.OnTimer([this] { events.push_back("slow@" + std::to_string(Runtime().Now() / 1000)); });
    cmdGo.OnClick([this] {
      events.push_back("click");
      onClick();
    });
  }
  void Form_Load() override { ++loads; }

  rt::Control& tmrFast;
  rt::Control& tmrSlow;
  rt::Control& cmdGo;
  rt::Control& lblOut;
  rt::Control& lstPick;
  rt::ControlArray arr;
  int loads = 0;
  std::vector<std::string> events;
  std::function<void()> onFast = [] {};
  std::function<void()> onClick = [] {};
};

class Probe2 final : public rt::Window {
 public:
  static constexpr const char* kName = "frmOther";
  Probe2() : Window(kName, {}) {}
};

Probe& probe() { return rt::Instance<Probe>(); }

using RuntimeTest = Harness;

TEST_F(RuntimeTest, FirstTouchCreatesAndLoadsOnceWithoutShowing) {
  Probe& first = probe();
  EXPECT_EQ(first.loads, 1);
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(&probe(), &first);
  EXPECT_EQ(first.loads, 1);
  first.Show();
  EXPECT_TRUE(first.Visible());
  EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"frmProbe.Form_Load", "frmProbe.Show"}));
}

TEST_F(RuntimeTest, TimersTickEveryIntervalAndAFreshEnableStartsAFreshInterval) {
  Probe& p = probe();
  p.Show();
  AdvanceMs(30);
  p.tmrFast.SetEnabled(true);  // at 30 ms: first tick due at 80
  AdvanceMs(140);
  EXPECT_EQ(p.events, (std::vector<std::string>{"fast@80", "fast@130"}));
  p.tmrFast.SetEnabled(true);  // already on: the schedule stays
  AdvanceMs(10);
  EXPECT_EQ(p.events.back(), "fast@180");
  p.tmrFast.SetEnabled(false);
  p.tmrFast.SetEnabled(true);  // off and on again at 180: next tick at 230
  AdvanceMs(60);
  EXPECT_EQ(p.events.back(), "fast@230");
}

TEST_F(RuntimeTest, ATimerDisabledWithinItsOwnTickFiresNoMoreAndHandsOverInOrder) {
  Probe& p = probe();
  p.Show();
  int ticks = 0;
  p.onFast = [&] {
    if (++ticks == 3) {
      p.tmrFast.SetEnabled(false);
      p.tmrSlow.SetEnabled(true);
    }
  };
  p.tmrFast.SetEnabled(true);
  AdvanceMs(5000);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(p.events, (std::vector<std::string>{"fast@50", "fast@100", "fast@150", "slow@1150", "slow@2150",
                                                "slow@3150", "slow@4150"}));
}

TEST_F(RuntimeTest, ALateTickHandsOverWithoutCarryingItsLatenessForward) {
  Probe& p = probe();
  p.Show();
  p.onFast = [&p] {
    p.tmrFast.SetEnabled(false);
    p.tmrSlow.SetEnabled(true);
  };
  p.tmrFast.SetEnabled(true);  // due at 50
  clock_->Set(rt::Milliseconds(57));
  Runtime().FireDueTimers();
  EXPECT_EQ(Runtime().NextTimerDue(), rt::Milliseconds(1050));
}

TEST_F(RuntimeTest, TicksHeldUpByAStallFollowAtOnceAsAtTheirDueMomentsUnlessTheStallWasLong) {
  struct Case {
    rt::LateTicks rule;
    std::int64_t wakeMs;
    std::vector<std::string> ticks;  // as each handler saw the time
    std::int64_t nextDueMs;
  };
  const Case cases[] = {
      {rt::LateTicks::CatchUpShortStalls, 3'400, {"slow@1000", "slow@2000", "slow@3400"}, 4'000},
      {rt::LateTicks::CatchUp,
       12'500,
       {"slow@1000", "slow@2000", "slow@3000", "slow@4000", "slow@5000", "slow@6000", "slow@7000", "slow@8000",
        "slow@9000", "slow@10000", "slow@11000", "slow@12500"},
       13'000},
      // A desktop waking from suspend goes on from where it was.
      {rt::LateTicks::CatchUpShortStalls, 12'500, {"slow@12500"}, 13'500},
      // The longest stall that is caught up: the first tick 10 s late.
      {rt::LateTicks::CatchUpShortStalls,
       11'000,
       {"slow@1000", "slow@2000", "slow@3000", "slow@4000", "slow@5000", "slow@6000", "slow@7000", "slow@8000",
        "slow@9000", "slow@10000", "slow@11000"},
       12'000},
      // The tick due at 2000, whose successor is due at the very moment of delivery, is held too.
      {rt::LateTicks::CatchUp, 3'000, {"slow@1000", "slow@2000", "slow@3000"}, 4'000},
  };
  for (const Case& stall : cases) {
    Install(std::make_unique<ScriptedRandom>());
    Runtime().SetLateTicks(stall.rule);
    Probe& p = probe();
    p.Show();
    p.tmrSlow.SetEnabled(true);
    clock_->Set(rt::Milliseconds(stall.wakeMs));
    Runtime().FireDueTimers();
    EXPECT_EQ(p.events, stall.ticks);
    EXPECT_EQ(Runtime().NextTimerDue(), rt::Milliseconds(stall.nextDueMs));
  }
}

// Under load a browser or desktop may deliver a click, or one timer's tick, before the ticks of
// another timer that a stall held up, and a handler may take a while: the trace must still
// read forward in time.
TEST_F(RuntimeTest, TheTracesTimeNeverRunsBackThroughAStall) {
  Probe& p = probe();
  p.Show();
  std::vector<std::string> times;
  Runtime().SetTraceSink([&times](std::string_view line) { times.emplace_back(line.substr(0, line.find(' '))); });
  p.tmrFast.SetEnabled(true);
  p.tmrSlow.SetEnabled(true);
  p.onClick = [&] {  // a slow click, that writes its label 25 ms after it started
    clock_->Set(rt::Milliseconds(1'145));
    p.lblOut.SetCaption("done");
  };
  clock_->Set(rt::Milliseconds(1'120));
  Runtime().Click(p.cmdGo);
  Runtime().FireDueTimers();
  ASSERT_GT(times.size(), 20U);
  EXPECT_TRUE(std::is_sorted(times.begin(), times.end(), [](const std::string& a, const std::string& b) {
    return std::stod(a) < std::stod(b);
  })) << ::testing::PrintToString(times);
}

TEST_F(RuntimeTest, TheProgramGoesOnAfterAMessageOnceTheUserHasClosedItAndOnlyIfItsWindowIsThere) {
  struct Viewer final : rt::RuntimeObserver {
    bool MessageShown(rt::Window&, const std::string& text) override {
      shown.push_back(text);
      return true;
    }
    std::vector<std::string> shown;
  } viewer;
  Runtime().SetObserver(&viewer);
  Probe& p = probe();
  rt::Instance<Probe2>().Show();  // keeps the program alive
  p.Show();
  int wentOn = 0;
  Runtime().ShowMessage(p, "Read me", [&wentOn] { ++wentOn; });
  EXPECT_EQ(viewer.shown, std::vector<std::string>{"Read me"});
  EXPECT_EQ(wentOn, 0);
  Runtime().MessageClosed();
  Runtime().MessageClosed();
  EXPECT_EQ(wentOn, 1);
  // Closed within the event that showed it, or with no view to show it, the box closes at once,
  // and the program goes on as an event of its own, once that event has returned.
  std::vector<std::string> order;
  p.onClick = [&] {
    Runtime().ShowMessage(p, "Quick", [&order] { order.push_back("then"); });
    Runtime().MessageClosed();
    order.push_back("shown");
  };
  Runtime().Click(p.cmdGo);
  Runtime().SetObserver(nullptr);
  Runtime().Click(p.cmdGo);
  EXPECT_EQ(order, (std::vector<std::string>{"shown", "then", "shown", "then"}));
  // Boxes asked for while one is open follow it one at a time, each going on once, in order.
  Runtime().SetObserver(&viewer);
  order.clear();
  for (const char* text : {"First", "Second", "Third"})
    Runtime().ShowMessage(p, text, [&order, text] { order.push_back(text); });
  for (const char* text : {"First", "Second", "Third"}) {
    EXPECT_EQ(viewer.shown.back(), text);
    Runtime().MessageClosed();
  }
  EXPECT_EQ(order, (std::vector<std::string>{"First", "Second", "Third"}));
  Runtime().ShowMessage(p, "Too late", [&wentOn] { ++wentOn; });
  p.Unload();
  Runtime().MessageClosed();
  EXPECT_EQ(wentOn, 1);
  Runtime().SetObserver(nullptr);
}

TEST_F(RuntimeTest, TicksDueAtTheSameMomentFireInTheOrderTheyWereScheduled) {
  Probe& p = probe();
  p.Show();
  p.tmrSlow.SetEnabled(true);
  p.tmrFast.SetInterval(1000);
  p.tmrFast.SetEnabled(true);
  AdvanceMs(2000);
  EXPECT_EQ(p.events, (std::vector<std::string>{"slow@1000", "fast@1000", "slow@2000", "fast@2000"}));
}

TEST_F(RuntimeTest, UnloadStopsEveryEventAndTheNextTouchLoadsAFreshWindow) {
  Probe& p = probe();
  rt::Instance<Probe2>().Show();  // keeps the program alive
  p.Show();
  p.tmrFast.SetEnabled(true);
  p.onFast = [&p] { p.Unload(); };
  AdvanceMs(500);
  EXPECT_EQ(Runtime().FindLoaded("frmProbe"), nullptr);
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
  EXPECT_EQ(probe().loads, 1);
  EXPECT_TRUE(probe().events.empty());
  EXPECT_FALSE(Runtime().Ended());
}

TEST_F(RuntimeTest, EndClosesEverythingAndNoFurtherEventRuns) {
  Probe& p = probe();
  p.Show();
  p.tmrFast.SetEnabled(true);
  p.onClick = [&p] { p.Runtime().End(); };
  Runtime().Click(p.cmdGo);
  EXPECT_TRUE(Runtime().Ended());
  EXPECT_TRUE(Runtime().Windows().empty());
  EXPECT_EQ(Runtime().NextTimerDue(), std::nullopt);
  const auto trace = TakeTrace();
  EXPECT_EQ(trace.back(), "End");
}

TEST_F(RuntimeTest, TheProgramEndsWhenTheLastVisibleWindowCloses) {
  Probe& p = probe();
  rt::Instance<Probe2>();  // loaded, never shown: must not keep the program alive
  p.Show();
  EXPECT_FALSE(Runtime().Ended());
  Runtime().UserClose(p);
  EXPECT_TRUE(Runtime().Ended());
}

// A dialog with a button and a text box in a frame, and a second frame, hidden until a case
// shows it, in front of the first and just as large.
class Reach final : public rt::Window {
 public:
  static constexpr const char* kName = "frmReach";
  Reach()
      : Window(kName, {.clientWidth = 1500, .clientHeight = 1500, .role = rt::WindowRole::Dialog}),
        fraCover(Add(rt::ControlKind::Frame, "fraCover", {.width = 1000, .height = 1000, .visible = false})),
        fraHold(Add(rt::ControlKind::Frame, "fraHold", {.width = 1000, .height = 1000})),
        cmdIn(Add(rt::ControlKind::CommandButton, "cmdIn",
                  {.container = &fraHold, .left = 100, .top = 100, .width = 300, .height = 300})),
        txtIn(Add(rt::ControlKind::TextBox, "txtIn",
                  {.container = &fraHold, .left = 500, .top = 100, .width = 300, .height = 300})) {
    cmdIn.OnClick([this] { ++clicks; });
  }
  void UserClosed() override { ++closes; }

  rt::Control& fraCover;
  rt::Control& fraHold;
  rt::Control& cmdIn;
  rt::Control& txtIn;
  int clicks = 0;
  int closes = 0;
};

// A view that shows a message box and leaves it open.
struct MessageOnShow final : rt::RuntimeObserver {
  bool MessageShown(rt::Window&, const std::string&) override { return true; }
};

// The user's input reaches a control only where the user could reach it: each case makes the
// button and the box unreachable, and input changes nothing until the case is undone.
TEST_F(RuntimeTest, InputReachesOnlyWhatTheUserCanReach) {
  MessageOnShow view;
  struct Case {
    const char* unreachable;
    void (*block)(Reach&, bool blocked);
  };
  const Case cases[] = {
      {"hidden",
       [](Reach& w, bool blocked) {
         w.cmdIn.SetVisible(!blocked);
         w.txtIn.SetVisible(!blocked);
       }},
      {"disabled",
       [](Reach& w, bool blocked) {
         w.cmdIn.SetEnabled(!blocked);
         w.txtIn.SetEnabled(!blocked);
       }},
      {"in a hidden frame", [](Reach& w, bool blocked) { w.fraHold.SetVisible(!blocked); }},
      {"covered by a frame", [](Reach& w, bool blocked) { w.fraCover.SetVisible(blocked); }},
      {"under a message box",
       [](Reach& w, bool blocked) {
         if (blocked) w.Runtime().ShowMessage(w, "Wait");
         if (!blocked) w.Runtime().MessageClosed();
       }},
  };
  for (const Case& c : cases) {
    Install(std::make_unique<ScriptedRandom>());
    Runtime().SetObserver(&view);
    Reach& w = rt::Instance<Reach>();
    w.Show();
    Runtime().UserEdit(w.cmdIn, "typed");  // only boxes take typing
    EXPECT_EQ(w.cmdIn.Text(), "") << c.unreachable;
    Runtime().UserFocused(w.cmdIn);
    c.block(w, true);
    Runtime().Click(w.cmdIn);
    EXPECT_FALSE(Runtime().UserPressedEnter(w.cmdIn)) << c.unreachable;
    Runtime().UserEdit(w.txtIn, "typed");
    Runtime().UserFocused(w.txtIn);
    EXPECT_NE(w.Focused(), &w.txtIn) << c.unreachable;
    const bool escaped = Runtime().UserPressedEscape(w);
    EXPECT_EQ(w.clicks, 0) << c.unreachable;
    EXPECT_EQ(w.txtIn.Text(), "") << c.unreachable;
    c.block(w, false);
    EXPECT_FALSE(Runtime().UserPressedEnter(w.txtIn));  // Enter presses a button alone
    EXPECT_TRUE(Runtime().UserPressedEnter(w.cmdIn)) << c.unreachable;
    Runtime().UserEdit(w.txtIn, "typed");
    Runtime().UserFocused(w.txtIn);
    EXPECT_EQ(w.Focused(), &w.txtIn) << c.unreachable;
    EXPECT_EQ(w.clicks, 1) << c.unreachable;
    EXPECT_EQ(w.txtIn.Text(), "typed") << c.unreachable;
    // Escape and the close box are refused under a message box alone.
    EXPECT_EQ(escaped || w.closes > 0, c.unreachable != std::string("under a message box")) << c.unreachable;
    Runtime().SetObserver(nullptr);
  }
}

// A window loaded but not yet shown (the report, during the closing countdown) takes no input.
TEST_F(RuntimeTest, AWindowNotShownTakesNoInput) {
  Reach& w = rt::Instance<Reach>();
  rt::Instance<Probe2>().Show();  // keeps the program alive
  Runtime().Click(w.cmdIn);
  Runtime().UserEdit(w.txtIn, "typed");
  Runtime().UserClose(w);
  EXPECT_FALSE(Runtime().UserPressedEscape(w));
  EXPECT_EQ(w.clicks + w.closes, 0);
  EXPECT_EQ(w.txtIn.Text(), "");
}

TEST_F(RuntimeTest, ControlArraysHaveMembersOneToNOnly) {
  Probe& p = probe();
  EXPECT_EQ(p.arr(1).TraceName(), "arr(1)");
  EXPECT_EQ(p.arr(2).TraceName(), "arr(2)");
  for (int index : {0, 3, -1}) {
    try {
      p.arr(index);
      ADD_FAILURE() << "index " << index << " was accepted";
    } catch (const RuntimeErrorRaised& error) {
      EXPECT_EQ(error.code, rt::RuntimeErrorCode::SubscriptOutOfRange);
    }
  }
}

TEST_F(RuntimeTest, AListKeepsExactlyOneItemSelected) {
  Probe& p = probe();
  EXPECT_EQ(p.lstPick.ListIndex(), 0);
  p.lstPick.SetText("3");
  EXPECT_EQ(p.lstPick.ListIndex(), 2);
  Runtime().UserEdit(p.lstPick, "7");
  p.lstPick.SetText("");
  EXPECT_EQ(p.lstPick.Text(), "3");
}

// The trace is read by tools. The program runs in its user's locale (Qt sets it at start), and
// a German one, with its decimal comma, changes nothing in it.
TEST_F(RuntimeTest, TraceWritesEventsAndWritesInTheirExactFormInEveryLocale) {
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  Probe& p = probe();
  p.Show();
  TakeTrace();
  clock_->Set(3'004'400);
  p.lblOut.SetCaption("Say \"hi\" \\ bye");
  p.lblOut.SetLeft(2820.5);
  p.lblOut.SetTop(770);
  p.arr(2).SetVisible(false);
  p.tmrFast.SetEnabled(true);
  p.SetHeight(6885);
  Runtime().UserEdit(p.lstPick, "2");
  AdvanceMs(50);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(trace_, (std::vector<std::string>{
                        R"(3.004 frmProbe.lblOut.Caption="Say \"hi\" \\ bye")",
                        "3.004 frmProbe.lblOut.Left=2820.5",
                        "3.004 frmProbe.lblOut.Top=770",
                        "3.004 frmProbe.arr(2).Visible=False",
                        "3.004 frmProbe.tmrFast.Enabled=True",
                        "3.004 frmProbe.Height=6885",
                        R"(3.004 frmProbe.lstPick.Text="2")",
                        "3.054 frmProbe.tmrFast_Timer",
                    }));
  if (!german) GTEST_SKIP() << "de_DE.UTF-8 is not installed: the trace was checked in the C locale only";
}

// The trace's numbers are written without the C++ library, which cannot write a double in
// WebAssembly; where the library can, both must write every double alike.
TEST(ExactDecimal, WritesEveryDoubleAsTheStandardLibraryDoes) {
#if defined(__cpp_lib_to_chars)
  const auto standard = [](double value, std::optional<int> places) {
    char buffer[1200];
    const auto written = places ? std::to_chars(buffer, std::end(buffer), value, std::chars_format::fixed, *places)
                                : std::to_chars(buffer, std::end(buffer), value, std::chars_format::fixed);
    return std::string(buffer, written.ptr);
  };
  std::mt19937_64 dice(20261208);
  std::vector<double> values{
      0.0, -0.0, 0.0625, 0.0005, 2.5, 1e23, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308};
  for (int i = 0; i < 4000; ++i) {
    const std::uint64_t bits = dice();
    double any = 0;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
    values.push_back(static_cast<double>(dice() % 10'000'000'000) / 1e6);                     // times
    values.push_back(static_cast<double>(static_cast<int>(dice() % 200'000) - 100'000) / 8);  // twips
  }
  for (const double value : values) {
    ASSERT_EQ(rt::ShortestDecimal(value), standard(value, std::nullopt)) << std::hexfloat << value;
    ASSERT_EQ(rt::RoundedDecimal(value, 3), standard(value, 3)) << std::hexfloat << value;
  }
#else
  GTEST_SKIP() << "this C++ library cannot write a double";
#endif
}

TEST(Random, DrawsStayStrictlyBelowOneAndReseedingNeverRepeatsADraw) {
  rt::ClockSeededRandom random([] { return std::uint64_t{42}; });  // a clock that never moves
  std::vector<float> draws;
  for (int i = 0; i < 20000; ++i) {
    random.Reseed();
    const float r = random.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    draws.push_back(r);
  }
  std::sort(draws.begin(), draws.end());
  const auto distinct = std::unique(draws.begin(), draws.end()) - draws.begin();
  EXPECT_GT(distinct, 19900);  // 24-bit values: a few birthday collisions at most
  const double mean = std::accumulate(draws.begin(), draws.end(), 0.0) / static_cast<double>(draws.size());
  EXPECT_NEAR(mean, 0.5, 0.01);
}

}  // namespace
}  // namespace duelmark::testing

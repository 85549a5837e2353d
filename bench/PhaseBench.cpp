// How long each phase of a real-time battle lasts on the desktop, against its nominal length,
// on a quiet machine and with every core kept busy by other processes.
//
//   duelmark_phase_bench [ENEMIES] [BUSY_PROCESSES]   (1 Enemy and 8 processes a core by default)
//
// A phase runs from the moment one of the battle window's timers is switched on to the
// delivery of its last tick (the window's unload, for the closing countdown), both read from
// the wall clock as the tick is delivered. Its nominal length is the ticks it counted times the
// timer's interval. The battle runs on the Qt backend's own timer, on the offscreen platform.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "FrmBattle.h"
#include "FrmEnd.h"
#include "QtHost.h"
#include "Runtime.h"
#include "Settings.h"

namespace {

using WallClock = std::chrono::steady_clock;

struct Phase {
  std::string timer;
  int intervalMs = 0;
  int ticks = 0;
  WallClock::time_point start{}, end{};
  double NominalMs() const { return static_cast<double>(intervalMs) * ticks; }
  double MeasuredMs() const { return std::chrono::duration<double, std::milli>(end - start).count(); }
  double Deviation() const { return (MeasuredMs() - NominalMs()) / NominalMs(); }
};

// Watches the trace for timers switched on and off and for their ticks.
class PhaseRecorder {
 public:
  void Line(std::string_view line) {
    const auto now = WallClock::now();
    const std::string_view what = line.substr(line.find(' ') + 1);
    if (what == "frmBattle.Unload" && open_) return Close(now);
    if (!what.starts_with("frmBattle.tmr")) return;
    const std::string_view rest = what.substr(std::string_view("frmBattle.").size());
    const std::string timer(rest.substr(0, rest.find_first_of("._")));
    if (rest.ends_with(".Enabled=True")) {
      phases_.push_back({.timer = timer, .intervalMs = Timer(timer).Interval(), .start = now, .end = {}});
      open_ = true;
    } else if (rest.ends_with("_Timer") && open_) {
      ++phases_.back().ticks;
    } else if (rest.ends_with(".Enabled=False") && open_ && phases_.back().timer == timer) {
      Close(now);
    }
  }
  const std::vector<Phase>& Phases() const { return phases_; }

 private:
  static const rt::Control& Timer(const std::string& name) {
    for (const rt::Control* timer : duelmark::frmBattle().Timers()) {
      if (timer->Name() == name) return *timer;
    }
    std::fprintf(stderr, "no timer %s\n", name.c_str());
    std::exit(1);
  }
  void Close(WallClock::time_point now) {
    phases_.back().end = now;
    open_ = false;
  }

  std::vector<Phase> phases_;
  bool open_ = false;
};

std::vector<Phase> WatchBattle(int enemies) {
  rt::Runtime runtime(std::make_unique<rt::SteadyClock>(),
                      std::make_unique<rt::ClockSeededRandom>([seed = 0ull]() mutable { return ++seed; }));
  rt::program = &runtime;
  PhaseRecorder recorder;
  runtime.SetTraceSink([&](std::string_view line) {
    recorder.Line(line);
    if (line.ends_with(" frmEnd.Show")) {
      QTimer::singleShot(0, [&runtime] { runtime.UserClose(duelmark::frmEnd()); });
    }
  });
  rt::qt::QtHost host(runtime, QStringLiteral("Duelmark"));
  duelmark::Settings settings = duelmark::DefaultSettings();
  settings.NumEnemies = static_cast<rt::Int16>(enemies);
  duelmark::frmBattle(settings).Show();
  runtime.Click(duelmark::frmBattle().cmdStart);
  QApplication::exec();
  rt::program = nullptr;
  return recorder.Phases();
}

// Processes that keep a core busy each until they are stopped.
class BusyProcesses {
 public:
  explicit BusyProcesses(int count) {
    for (int i = 0; i < count; ++i) {
      const pid_t child = fork();
      if (child == 0) {
        for (volatile std::uint64_t spin = 0;;) spin = spin + 1;
      }
      children_.push_back(child);
    }
  }
  ~BusyProcesses() {
    for (const pid_t child : children_) kill(child, SIGKILL);
    for (const pid_t child : children_) waitpid(child, nullptr, 0);
  }

 private:
  std::vector<pid_t> children_;
};

double Report(const char* title, const std::vector<Phase>& phases) {
  std::printf("%s\n  %-16s %6s %11s %11s %9s\n", title, "phase", "ticks", "nominal ms", "measured ms", "deviation");
  double worst = 0;
  for (const Phase& phase : phases) {
    std::printf("  %-16s %6d %11.0f %11.1f %8.2f%%\n", phase.timer.c_str(), phase.ticks, phase.NominalMs(),
                phase.MeasuredMs(), 100 * phase.Deviation());
    worst = std::max(worst, std::abs(phase.Deviation()));
  }
  std::printf("  worst deviation %.2f%%\n\n", 100 * worst);
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  const int enemies = argc > 1 ? std::atoi(argv[1]) : 1;
  // One spinning process a core hardly holds up a program that wakes from a timer: the
  // scheduler favours a sleeper. Eight a core hold it up as a desktop's bursts of work do.
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int busy = argc > 2 ? std::atoi(argv[2]) : 8 * cores;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Report("quiet machine", WatchBattle(enemies));
  double worst = 0;
  {
    const BusyProcesses load(busy);
    const std::string title = "every core busy (" + std::to_string(busy) + " spinning processes)";
    worst = Report(title.c_str(), WatchBattle(enemies));
  }
  std::printf("under load, worst phase %.2f%% off its nominal length\n", 100 * worst);
  return 0;
}

// How long the program takes from its start to the first paint of its first window, against
// a minimal Qt window started the same way: on the offscreen platform, and on X11 where a
// display is set (xvfb-run gives one). Each run is a fresh process, ended at its first paint
// by the EndAtFirstPaint module; the two programs start in turn, so that other work on the
// machine weighs on both alike, and the medians are compared.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* const kPlatforms[] = {"offscreen", "xcb"};

// Ours, with the platform chosen and the module that ends the program at its first paint.
std::vector<std::string> StartupEnvironment(const std::string& platform) {
  std::vector<std::string> variables;
  for (char** variable = environ; *variable; ++variable) {
    const std::string entry = *variable;
    if (!entry.starts_with("QT_QPA_PLATFORM=") && !entry.starts_with("LD_PRELOAD=")) variables.push_back(entry);
  }
  variables.push_back("QT_QPA_PLATFORM=" + platform);
  variables.push_back(std::string("LD_PRELOAD=") + END_AT_FIRST_PAINT);
  return variables;
}

// Seconds from the start of a program to the end of its first paint: as the clock on the wall
// runs, and as the program used a processor, which other work on the machine disturbs less.
struct Start {
  double wall;
  double processor;
};
// One of a start's two times; an alias, which every clang-format version lays out alike.
using StartTime = double Start::*;

Start FirstPaint(const char* program, const std::vector<std::string>& variables) {
  std::vector<char*> environment;
  for (const std::string& variable : variables) environment.push_back(const_cast<char*>(variable.c_str()));
  environment.push_back(nullptr);
  char* arguments[] = {const_cast<char*>(program), nullptr};
  posix_spawn_file_actions_t quiet;  // the platforms' notices would flood the report
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program, &quiet, nullptr, arguments, environment.data()) != 0) {
    throw std::runtime_error(std::string("cannot start ") + program);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&quiet);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(std::string(program) + " failed");
  const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return {std::chrono::duration<double>(end - start).count(), seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

double Median(const std::vector<Start>& starts, StartTime measure) {
  std::vector<double> values;
  for (const Start& start : starts) values.push_back(start.*measure);
  std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
  return values[values.size() / 2];
}

void BM_SettingsWindowAgainstMinimalWindow(benchmark::State& state) {
  const std::string platform = kPlatforms[state.range(0)];
  state.SetLabel(platform);
  const char* display = std::getenv("DISPLAY");
  if (platform == "xcb" && (!display || !*display)) {
    state.SkipWithError("no X display: run under xvfb-run");
    return;
  }
  const std::vector<std::string> variables = StartupEnvironment(platform);
  std::vector<Start> minimal;
  std::vector<Start> settings;
  for (auto _ : state) {
    const bool minimalFirst = minimal.size() % 2 == 0;
    if (minimalFirst) minimal.push_back(FirstPaint(MINIMAL_WINDOW, variables));
    settings.push_back(FirstPaint(DUELMARK, variables));
    if (!minimalFirst) minimal.push_back(FirstPaint(MINIMAL_WINDOW, variables));
    state.SetIterationTime(settings.back().wall);
  }
  for (auto [name, measure] : {std::pair{"wall", &Start::wall}, {"cpu", &Start::processor}}) {
    const std::string prefix = name;
    state.counters[prefix + "_minimal_ms"] = Median(minimal, measure) * 1e3;
    state.counters[prefix + "_settings_ms"] = Median(settings, measure) * 1e3;
    state.counters[prefix + "_ratio"] = Median(settings, measure) / Median(minimal, measure);
  }
}
BENCHMARK(BM_SettingsWindowAgainstMinimalWindow)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

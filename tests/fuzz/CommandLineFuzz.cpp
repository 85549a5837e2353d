// Any argument list, the fuzzer's bytes split at each zero byte: the command line answers it
// (help, version, a request) or names the mistake with status 2, and never crashes or hangs.
// The odds themselves are not worked out here; their figures are checked elsewhere.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments{"duelmark"};
  arguments.emplace_back();
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      arguments.emplace_back();
    else
      arguments.back() += static_cast<char>(data[i]);
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const duelmark::CommandLine read = duelmark::ReadCommandLine(static_cast<int>(arguments.size()), argv.data());
  if (read.exitStatus && *read.exitStatus != 0 && *read.exitStatus != 2) {
    std::fprintf(stderr, "the command line ended with status %d\n", *read.exitStatus);
    std::abort();
  }
  if (read.odds && read.odds->vary && read.odds->vary->from > read.odds->vary->to) std::abort();
  return 0;
}

#pragma once

#include <optional>

#include "OddsCommand.h"

namespace duelmark {

// What the command line asks of the program.
struct CommandLine {
  // Set when printing answers the command line (the help, the version or a mistake in it):
  // the program ends at once with this status.
  std::optional<int> exitStatus;
  // -platform or -display tells Qt where to draw, whatever the environment says.
  bool namesDisplay = false;
  // Set by --odds: the odds are printed without a window.
  std::optional<OddsRequest> odds;
};

// Reads the command line before any window exists, so that it needs no display, and checks
// the odds' values as the settings window checks its texts. Qt's own
// options are accepted and left in argv, for QApplication to take out.
CommandLine ReadCommandLine(int argc, char** argv);

}  // namespace duelmark

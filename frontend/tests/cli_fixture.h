#pragma once
// kartovex-cli in process on a test installation: one input point, the
// standard output and error kept, the services a test does not replace
// answering that nothing was missed.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "config_fixture.h"

namespace kartovex::testing {

class CliInProcess : public Installation {
 public:
  void SetUp() override {
    Installation::SetUp();
    input = dir / "in/POINTS.TXT";
    WriteFile(input, "P1,45,30,0,66,30,0\n");
    env.programDir = programDir;
    env.out = &out;
    env.err = &err;
    env.services.copyOrvandelFiles = [](RunContext&) { return true; };
    env.services.pointsMissed = [](const RunState&) { return false; };
  }

  // NAD27 Lat,Long to ATS77 East,North on the input point, then extra.
  int run(std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", input};
    args.insert(args.end(), extra.begin(), extra.end());
    return cli::CliMain(args, "kartovex-cli", env);
  }

  std::string input;
  std::ostringstream out, err;
  cli::CliEnvironment env;
  DispatchResult result = DispatchResult::Completed;
};

}  // namespace kartovex::testing

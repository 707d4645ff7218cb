// veltrane-chart: the chart of a moment, or of every moment of a range, as
// the Veltrane window would show it, printed as text or JSON.
#include <cstdio>

#include "app/cli_options.h"
#include "app/cli_run.h"
#include "app/console.h"

int main(int argc, char** argv) {
  using veltrane::app::Console;
  using veltrane::app::ParsedCommandLine;
  Console console(argc, argv);
  const ParsedCommandLine command = veltrane::app::ParseCommandLine(console.argc(), console.argv());
  switch (command.kind) {
    case ParsedCommandLine::Kind::kHelp:
    case ParsedCommandLine::Kind::kVersion:
      std::fputs(command.text.c_str(), stdout);
      return 0;
    case ParsedCommandLine::Kind::kBadArguments:
      std::fprintf(stderr, "veltrane-chart: %s\n", command.text.c_str());
      return 2;
    case ParsedCommandLine::Kind::kRun:
      break;
  }
  if (command.request.encoding == veltrane::app::OutputEncoding::kGbk) {
    console.ShowOutputAs(Console::Bytes::kGbk);
  }
  return veltrane::app::RunChartRequest(command.request, stdout);
}

// gatehost: the project's own plug-in host, for trying the plug-in from a terminal and for tests.
#include <cstdio>
#include <cstring>

#include "tools/gatehost/commands.h"

namespace {

const char kUsage[] = "usage: gatehost COMMAND PLUGIN.dll [options]\n"
                      "commands:\n"
                      "  info     print the record, the programs and the parameters\n"
                      "  render   gate a sound in time and write it as a WAV file\n"
                      "  editor   open the editor, play scripted input, write a screenshot\n"
                      "  validate drive the plug-in as careless hosts do and report what failed\n"
                      "Run a command without arguments for its options.\n";

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);
};

const Command kCommands[] = {
    {"info", runInfo}, {"render", runRender}, {"editor", runEditor}, {"validate", runValidate}};

} // namespace

int main(int argc, char** argv) {
  if (argc >= 2)
    for (const Command& command : kCommands)
      if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 2, argv + 2);
  std::fputs(kUsage, stderr);
  return 2;
}

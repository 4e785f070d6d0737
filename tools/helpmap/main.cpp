// helpmap: writes the numeric context map that hlpctx puts into the WinHelp
// file, from the program's own list of help topics, so the numbers the
// windows pass and the map the help file carries cannot part.
//
//   helpmap <contexts.map>

#include "vorlunda/helptopics.h"

#include <cstdio>

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: helpmap <contexts.map>\n");
    return 2;
  }
  std::FILE *out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::fprintf(stderr, "helpmap: %s: cannot write the file\n", argv[1]);
    return 1;
  }
  std::fprintf(out, "# Written by the build from vorlunda/helptopics.h: the context numbers\n"
                    "# the program's windows pass and the topic each one opens.\n");
  for (const vHelpTopic &topic : kHelpTopics) {
    if (topic.context != 0)
      std::fprintf(out, "%u %s\n", static_cast<unsigned>(topic.context), topic.name);
  }
  const bool written = std::fflush(out) == 0 && !std::ferror(out);
  if (std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "helpmap: %s: cannot write the file\n", argv[1]);
    return 1;
  }
  return 0;
}

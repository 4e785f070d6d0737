#include "tests/help/support/helpfiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string Environment(const char *name) {
  const char *value = std::getenv(name);
  return value != nullptr ? value : "";
}

} // namespace

std::string BuiltHelpPath(const std::string &name) {
  return Environment("VORLUNDA_HELP_DIR") + "/" + name;
}

std::string HelpSourcePath(const std::string &name) {
  return Environment("VORLUNDA_SOURCE_DIR") + "/help/" + name;
}

std::vector<std::uint8_t> ReadBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string &path) {
  std::vector<std::uint8_t> bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<SourceTopic> SourceTopics() {
  std::vector<SourceTopic> topics;
  std::istringstream lines(ReadText(HelpSourcePath("vorlunda.but")));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("\\C{", 0) != 0 && line.rfind("\\H{", 0) != 0) {
      continue;
    }
    std::string::size_type close = line.find('}');
    topics.push_back({line.substr(3, close - 3), line.substr(close + 2)});
  }
  return topics;
}

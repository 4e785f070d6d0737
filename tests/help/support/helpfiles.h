#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The built help files and their source, found through the test's
// environment.
std::string BuiltHelpPath(const std::string &name);  // in the build folder
std::string HelpSourcePath(const std::string &name); // in help/ of the sources
std::vector<std::uint8_t> ReadBytes(const std::string &path);
std::string ReadText(const std::string &path);

struct SourceTopic {
  std::string keyword;
  std::string title;
};
// Every chapter and section of the help source, in order.
std::vector<SourceTopic> SourceTopics();

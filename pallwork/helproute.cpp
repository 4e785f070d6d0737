#include "pallwork/helproute.h"

namespace {

constexpr std::uint32_t kFirstVersionWithoutWinHelp = 6; // Vista

pwHelpPageLookup helpPages = nullptr;

pwHelpCall PlanWinHelp(const std::string &file, pwHelpAction action, std::uint32_t context) {
  switch (action) {
  case pwHelpAction::Contents:
    return {pwHelpViewerKind::WinHelpViewer, pwHelpCommand::Contents, file, 0};
  case pwHelpAction::Topic:
    return {pwHelpViewerKind::WinHelpViewer, pwHelpCommand::Context, file, context};
  case pwHelpAction::Close:
    break;
  }
  return {pwHelpViewerKind::WinHelpViewer, pwHelpCommand::Quit, file, 0};
}

pwHelpCall PlanHtmlHelp(const std::string &file, pwHelpAction action, std::uint32_t context) {
  const char *page = action == pwHelpAction::Topic ? pwHtmlHelpPage(context) : nullptr;
  if (action == pwHelpAction::Close) {
    return {pwHelpViewerKind::HtmlHelpViewer, pwHelpCommand::CloseAll, std::string(), 0};
  }
  if (page == nullptr) {
    return {pwHelpViewerKind::HtmlHelpViewer, pwHelpCommand::DisplayToc, file, 0};
  }
  return {pwHelpViewerKind::HtmlHelpViewer, pwHelpCommand::DisplayTopic, file + "::/" + page, 0};
}

} // namespace

bool pwSystemHasWinHelp(pwSystemVersion version) {
  return version.major < kFirstVersionWithoutWinHelp;
}

void pwSetHelpPages(pwHelpPageLookup lookup) { helpPages = lookup; }

const char *pwHtmlHelpPage(std::uint32_t context) {
  return helpPages != nullptr ? helpPages(context) : nullptr;
}

std::string pwHelpFileBeside(const std::string &programPath, const std::string &fileName) {
  std::string::size_type slash = programPath.find_last_of("\\/");
  if (slash == std::string::npos) {
    return fileName;
  }
  return programPath.substr(0, slash + 1) + fileName;
}

std::string pwHtmlHelpFileName(const std::string &fileName) {
  std::string::size_type dot = fileName.find_last_of('.');
  std::string::size_type slash = fileName.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return fileName + ".chm";
  }
  return fileName.substr(0, dot) + ".chm";
}

pwHelpCall pwPlanHelp(pwSystemVersion version, const std::string &programPath,
                      const std::string &fileName, pwHelpAction action, std::uint32_t context) {
  if (pwSystemHasWinHelp(version)) {
    return PlanWinHelp(pwHelpFileBeside(programPath, fileName), action, context);
  }
  return PlanHtmlHelp(pwHelpFileBeside(programPath, pwHtmlHelpFileName(fileName)), action, context);
}

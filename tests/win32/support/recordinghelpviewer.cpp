#include "tests/win32/support/recordinghelpviewer.h"

void RecordingHelpViewer::ShowContents(pwWindowHandle owner, const char *fileName) {
  asked.push_back({"contents", static_cast<HWND>(owner), fileName, 0});
}

void RecordingHelpViewer::ShowTopic(pwWindowHandle owner, const char *fileName,
                                    std::uint32_t context) {
  asked.push_back({"topic", static_cast<HWND>(owner), fileName, context});
}

void RecordingHelpViewer::Close(pwWindowHandle owner, const char *fileName) {
  asked.push_back({"close", static_cast<HWND>(owner), fileName, 0});
}

std::vector<std::string> RecordingHelpViewer::Texts() const {
  std::vector<std::string> texts;
  for (const Call &call : asked) {
    std::string text = call.what + " " + call.file;
    if (call.what == "topic")
      text += " " + std::to_string(call.context);
    texts.push_back(text);
  }
  return texts;
}

std::vector<pwWindowHandle> RecordingHelpViewer::Owners() const {
  std::vector<pwWindowHandle> owners;
  for (const Call &call : asked)
    owners.push_back(call.owner);
  return owners;
}

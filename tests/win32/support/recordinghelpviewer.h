#pragma once

#include "pallwork/helpviewer.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Records what was asked of the help viewer while it is installed: from its
// construction to its destruction.
class RecordingHelpViewer final : public pwHelpViewer {
public:
  struct Call {
    std::string what; // "contents", "topic" or "close"
    HWND owner;
    std::string file;
    std::uint32_t context; // 0 but for a topic
  };

  RecordingHelpViewer() { SetCurrentHelpViewer(this); }
  ~RecordingHelpViewer() override { SetCurrentHelpViewer(nullptr); }
  RecordingHelpViewer(const RecordingHelpViewer &) = delete;
  RecordingHelpViewer &operator=(const RecordingHelpViewer &) = delete;

  void ShowContents(pwWindowHandle owner, const char *fileName) override;
  void ShowTopic(pwWindowHandle owner, const char *fileName, std::uint32_t context) override;
  void Close(pwWindowHandle owner, const char *fileName) override;

  // "contents FILE", "topic FILE NUMBER" or "close FILE", in order.
  std::vector<std::string> Texts() const;
  std::vector<pwWindowHandle> Owners() const;

  std::vector<Call> asked;
};

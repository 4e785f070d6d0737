#pragma once

#include <windows.h>

#include <utility>

// Constructions and destructions of Observed controls, for the ownership
// checks: every control object made must be gone once its dialog is.
struct ControlCensus {
  static int made;
  static int gone;
  static void Reset() { made = gone = 0; }
};

// A control class as the tests use it: counted, and watching the messages
// that show what happened to the control window.
template <typename Control> class Observed : public Control {
public:
  template <typename... Arguments>
  explicit Observed(Arguments &&...arguments) : Control(std::forward<Arguments>(arguments)...) {
    ++ControlCensus::made;
  }
  ~Observed() override { ++ControlCensus::gone; }

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override {
    if (message == WM_CHAR)
      ++characters;
    else if (message == WM_SETTEXT)
      ++textWrites;
    return Control::HandleMessage(message, wParam, lParam, result);
  }

  int characters = 0; // WM_CHAR seen
  int textWrites = 0; // WM_SETTEXT seen
};

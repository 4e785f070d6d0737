#pragma once

// SIGTERM and SIGINT, turned into a flag and a readable pipe, so a loop
// sleeping in poll() wakes the moment the daemon asks the saver to end.
class vStopSignal {
public:
  vStopSignal();
  ~vStopSignal();
  vStopSignal(const vStopSignal &) = delete;
  vStopSignal &operator=(const vStopSignal &) = delete;

  bool Raised() const;
  // Becomes readable once a signal arrived; -1 when no pipe could be made.
  int Fd() const { return readFd_; }

private:
  int readFd_ = -1;
};

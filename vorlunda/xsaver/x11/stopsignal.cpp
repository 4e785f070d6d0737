#include "vorlunda/xsaver/x11/stopsignal.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t raised = 0;
int wakeFd = -1;

extern "C" void OnStopSignal(int) {
  raised = 1;
  if (wakeFd >= 0) {
    const char byte = 1;
    // Nothing to do if the pipe is full: it is readable already.
    [[maybe_unused]] const ssize_t written = write(wakeFd, &byte, 1);
  }
}

} // namespace

vStopSignal::vStopSignal() {
  int fds[2] = {-1, -1};
  if (pipe(fds) == 0) {
    for (int fd : fds) {
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
      fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    readFd_ = fds[0];
    wakeFd = fds[1];
  }
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// The handlers stay: a second signal while the saver ends only sets the flag again.
vStopSignal::~vStopSignal() {
  const int fd = wakeFd;
  wakeFd = -1;
  if (fd >= 0)
    close(fd);
  if (readFd_ >= 0)
    close(readFd_);
}

bool vStopSignal::Raised() const { return raised != 0; }

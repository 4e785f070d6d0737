#include "pallwork/msgbox.h"

#include "pallwork/platform.h"

unsigned int ErrorBoxIcon(std::int32_t severity) {
  if (severity >= kSeverityError)
    return kErrorBoxStopIcon;
  if (severity == kSeverityWarning)
    return kErrorBoxExclamationIcon;
  if (severity == kSeverityInfo)
    return kErrorBoxInformationIcon;
  return kErrorBoxNoIcon;
}

void ShowErrorBox(pwWindowHandle owner, const char *caption, const Error &error) {
  if (error.Severity() <= kSeverityOk)
    return;
  // The box goes through the platform so tests of dialogs can catch it
  // instead of blocking on a real one.
  CurrentPlatform().ShowMessageBox(owner, error.Message(), caption, ErrorBoxIcon(error.Severity()));
}

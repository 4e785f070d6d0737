#pragma once

#include "foundation/string.h"

#include <cstdint>

enum ErrorSeverity : std::int32_t {
  kSeverityOk = 0,
  kSeverityInfo = 1,
  kSeverityWarning = 2,
  kSeverityError = 3,
  kSeverityFatal = 4,
};

// The status value of every fallible operation. Severities below Error count
// as success, so callers test Succeeded() rather than severity 0.
class [[nodiscard]] Error {
public:
  Error() = default;
  Error(std::int32_t severity, const String &message, std::int32_t code = 0)
      : severity_(severity), message_(message), code_(code) {}

  std::int32_t Severity() const { return severity_; }
  const String &Message() const { return message_; }
  std::int32_t Code() const { return code_; }

  bool Succeeded() const { return severity_ < kSeverityError; }
  bool Failed() const { return !Succeeded(); }

  // Keeps the more severe of two results; a later result of equal severity
  // does not replace the earlier one.
  void Merge(const Error &other) {
    if (other.severity_ > severity_)
      *this = other;
  }

private:
  std::int32_t severity_ = kSeverityOk;
  String message_;
  std::int32_t code_ = 0;
};

inline Error MakeError(const char *message, std::int32_t code = 0) {
  return Error(kSeverityError, String(message), code);
}

#pragma once

#include "foundation/string.h"

#include <cstdint>

// Splits a stored scheme text into its comma-separated fields, front to back.
// Every Take consumes one field up to the next comma and fails when no comma
// is left; the last field of a text is read from Rest() instead.
class vSchemeTokenizer {
public:
  explicit vSchemeTokenizer(const char *text) : rest_(text) {}

  bool TakeText(String &field);
  bool TakeInt(std::int32_t &value);
  bool TakeBool(bool &value);
  bool TakeDouble(double &value);

  // The unread rest of the text.
  const char *Rest() const { return rest_; }

private:
  // Moves past the next comma; gives the start of the field it ended.
  bool Advance(const char *&field);

  const char *rest_; // not owned
};

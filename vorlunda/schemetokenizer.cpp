#include "vorlunda/schemetokenizer.h"

#include "vorlunda/lenientnumber.h"

#include <cstring>

// The lenient readers stop at the comma by themselves, so numbers are read in
// place without copying the field.

bool vSchemeTokenizer::Advance(const char *&field) {
  const char *comma = std::strchr(rest_, ',');
  if (comma == nullptr)
    return false;
  field = rest_;
  rest_ = comma + 1;
  return true;
}

bool vSchemeTokenizer::TakeText(String &field) {
  const char *start = nullptr;
  if (!Advance(start))
    return false;
  field = String(start).Left(static_cast<int>(rest_ - 1 - start));
  return true;
}

bool vSchemeTokenizer::TakeInt(std::int32_t &value) {
  const char *start = nullptr;
  if (!Advance(start))
    return false;
  value = ReadLenientInt(start);
  return true;
}

bool vSchemeTokenizer::TakeBool(bool &value) {
  std::int32_t number = 0;
  if (!TakeInt(number))
    return false;
  value = number != 0;
  return true;
}

bool vSchemeTokenizer::TakeDouble(double &value) {
  const char *start = nullptr;
  if (!Advance(start))
    return false;
  value = ReadLenientDouble(start);
  return true;
}

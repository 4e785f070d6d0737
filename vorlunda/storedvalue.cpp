#include "vorlunda/storedvalue.h"

#include "foundation/string.h"
#include "vorlunda/lenientnumber.h"

double StoredDouble(double value) {
  // The same format piece and reader as the scheme text, so both agree
  // whatever the runtime's rounding.
  String text;
  text.Format("%lf", value);
  return ReadLenientDouble(text);
}

bool StoresAsPositive(double value) { return value > 0.0 && StoredDouble(value) > 0.0; }

#pragma once

// A decimal field of a scheme is written to its text with six decimals and
// read back on the next start. A value the dialog accepts, or the reader takes
// in, must still be valid as it will be read back: a tiny positive value
// written as 0.000000 would make the whole scheme corrupt. This is that value.
double StoredDouble(double value);

// Greater than 0 both as typed and as it will be read back.
bool StoresAsPositive(double value);

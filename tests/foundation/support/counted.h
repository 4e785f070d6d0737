#pragma once

// A value that counts its constructions and destructions, so a container's
// ownership shows as Live() returning to zero.
struct Counted {
  Counted() : value(0) { ++constructed; }
  Counted(int v) : value(v) { ++constructed; } // NOLINT: containers take plain ints
  Counted(const Counted &other) : value(other.value) { ++constructed; }
  Counted &operator=(const Counted &other) = default;
  ~Counted() { ++destroyed; }

  // Containers that compare keys need it; the counts ignore it.
  friend bool operator==(const Counted &a, const Counted &b) { return a.value == b.value; }

  static void Reset() { constructed = destroyed = 0; }
  static int Live() { return constructed - destroyed; }

  int value;
  static inline int constructed = 0;
  static inline int destroyed = 0;
};

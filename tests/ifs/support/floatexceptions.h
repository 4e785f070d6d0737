#pragma once

// Some drivers and libraries unmask floating-point exceptions behind the
// program's back; this does the same for the length of a scope.
class UnmaskedFloatExceptions {
public:
  UnmaskedFloatExceptions();
  ~UnmaskedFloatExceptions();
  UnmaskedFloatExceptions(const UnmaskedFloatExceptions &) = delete;
  UnmaskedFloatExceptions &operator=(const UnmaskedFloatExceptions &) = delete;

private:
  unsigned int saved_ = 0; // the control word before, where the system keeps one
};

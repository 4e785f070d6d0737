#pragma once

#include <cstdarg>
#include <cstdint>

// MinGW's printf family follows whichever runtime its headers select, so the
// format check must follow the same choice.
#if defined(__MINGW32__)
#include <cstdio> // defines __MINGW_PRINTF_FORMAT
#define VORLUNDA_PRINTF_FORMAT(fmt, args) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, args)))
#else
#define VORLUNDA_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

// The program's only text type: 8-bit, NUL-terminated, reference-counted with
// copy-on-write. Copies share one representation; the first write makes it
// private. Appends reallocate to an exact fit, so capacity always equals what
// the operations below say and never a growth policy's guess.
class String {
public:
  String();
  String(const char *text); // NOLINT: implicit by design, texts flow freely
  explicit String(char c);
  String(const String &other);
  ~String();

  String &operator=(const String &other);
  String &operator=(const char *text);
  String &operator=(char c);

  operator const char *() const; // NOLINT: read-only view until next change
  const char *CStr() const;

  int Length() const;
  std::uint32_t Capacity() const;
  bool IsEmpty() const;

  bool SetCapacity(std::uint32_t n);
  char *Buffer();
  char &At(int i);

  String &operator+=(const char *text);
  String &operator+=(char c);
  String operator+(const char *text) const;

  String Left(int n) const;
  String Right(int n) const;
  String Mid(int start, int count) const;

  void ReplaceLeft(int n, const char *text);
  void ReplaceMid(int start, int count, const char *text);

  int Find(int from, const char *text, bool exact) const;
  int Find(int from, char c, bool exact) const;

  void TrimLeading(char c);
  void TrimTrailing(char c);

  int CompareNoCase(const char *text, int n) const;

  // printf-style into a buffer of at least 1024 bytes (more if the capacity
  // already is). An oversized result is cut at the buffer's end rather than
  // written past it. Returns the formatter's count: the length of the full
  // result, so a value of Capacity() or more after the call means it was cut;
  // negative on a formatting error, which leaves the text empty.
  int Format(const char *format, ...) VORLUNDA_PRINTF_FORMAT(2, 3);
  int FormatV(const char *format, std::va_list args);

  // For tests of the sharing rules.
  int ReferenceCount() const;
  bool SharesWith(const String &other) const { return rep_ == other.rep_; }

private:
  struct _srep {
    char *text; // owned
    std::int32_t references;
    std::uint32_t capacity; // bytes, terminating NUL included
  };

  explicit String(_srep *rep) : rep_(rep) {}
  // A representation holding a copy of text, with one reference taken.
  static _srep *RepOf(const char *text);
  static _srep *NewRep(const char *text, std::uint32_t length, std::uint32_t capacity);
  static String FromRange(const char *text, int length);
  bool Aliases(const char *text) const;

  void MakePrivate();
  void Release();
  void Adopt(_srep *rep);

  static _srep emptyRep_; // shared by every empty String; its own reference keeps it alive

  _srep *rep_;
};

// Case-insensitive ordering of names: ASCII letters folded to upper case, then
// compared as unsigned bytes. Scheme names and enumeration names use it.
// A null name sorts before every other name and equals only null.
int CompareNamesNoCase(const char *a, const char *b);

// The same ordering in the form the ordered containers take as comparison.
int CompareStringsNoCase(const String &a, const String &b);

#include "foundation/string.h"

#include "foundation/ascii.h"

#include <cassert>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// Format never works in less: short results are written into this much room
// and the buffer is trimmed afterwards.
constexpr std::uint32_t kFormatBufferSize = 1024;

char emptyText[1] = {'\0'};

// A null text argument is taken as the empty text rather than trusted.
const char *OrEmpty(const char *text) { return text != nullptr ? text : ""; }

int LengthOf(const char *text) { return static_cast<int>(std::strlen(text)); }

// Case folding covers the ASCII letters only, whatever the C locale says;
// folded characters compare as unsigned bytes.
unsigned char FoldUpper(char c) { return static_cast<unsigned char>(FoldAsciiUpper(c)); }
unsigned char FoldLower(char c) { return static_cast<unsigned char>(FoldAsciiLower(c)); }

bool EqualUpperFolded(const char *a, const char *b, int count) {
  for (int i = 0; i < count; ++i)
    if (FoldUpper(a[i]) != FoldUpper(b[i]))
      return false;
  return true;
}

} // namespace

String::_srep String::emptyRep_ = {emptyText, 1, 1};

String::_srep *String::NewRep(const char *text, std::uint32_t length, std::uint32_t capacity) {
  assert(capacity > length);
  _srep *rep = new _srep{new char[capacity], 1, capacity};
  std::memcpy(rep->text, text, length);
  std::memset(rep->text + length, 0, capacity - length);
  return rep;
}

String::_srep *String::RepOf(const char *text) {
  text = OrEmpty(text);
  if (text[0] == '\0') {
    ++emptyRep_.references;
    return &emptyRep_;
  }
  const std::uint32_t length = static_cast<std::uint32_t>(std::strlen(text));
  return NewRep(text, length, length + 1);
}

String String::FromRange(const char *text, int length) {
  if (length <= 0)
    return String();
  const std::uint32_t size = static_cast<std::uint32_t>(length);
  return String(NewRep(text, size, size + 1));
}

bool String::Aliases(const char *text) const {
  const std::less<const char *> before;
  return !before(text, rep_->text) && before(text, rep_->text + rep_->capacity);
}

void String::MakePrivate() {
  if (rep_->references < 2)
    return;
  const std::uint32_t length = static_cast<std::uint32_t>(Length());
  _srep *own = NewRep(rep_->text, length, length + 1);
  --rep_->references;
  rep_ = own;
}

void String::Release() {
  assert(rep_->references > 0);
  if (--rep_->references > 0)
    return;
  assert(rep_ != &emptyRep_);
  delete[] rep_->text;
  delete rep_;
}

void String::Adopt(_srep *rep) {
  Release();
  rep_ = rep;
}

String::String() : rep_(&emptyRep_) { ++emptyRep_.references; }

String::String(const char *text) : rep_(RepOf(text)) {}

String::String(char c) {
  const char text[2] = {c, '\0'};
  rep_ = RepOf(text);
}

String::String(const String &other) : rep_(other.rep_) { ++rep_->references; }

String::~String() { Release(); }

String &String::operator=(const String &other) {
  if (rep_ == other.rep_)
    return *this;
  ++other.rep_->references;
  Adopt(other.rep_);
  return *this;
}

// The copy is taken before the old text is released, so a text that points
// into this string survives its own assignment.
String &String::operator=(const char *text) {
  Adopt(RepOf(text));
  return *this;
}

String &String::operator=(char c) {
  const char text[2] = {c, '\0'};
  Adopt(RepOf(text));
  return *this;
}

String::operator const char *() const { return rep_->text; }

const char *String::CStr() const { return rep_->text; }

int String::Length() const { return LengthOf(rep_->text); }

std::uint32_t String::Capacity() const { return rep_->capacity; }

bool String::IsEmpty() const { return rep_->text[0] == '\0'; }

int String::ReferenceCount() const { return rep_->references; }

bool String::SetCapacity(std::uint32_t n) {
  assert(n > 0);
  MakePrivate();
  if (n == rep_->capacity)
    return true;
  char *resized = new char[n];
  std::strncpy(resized, rep_->text, n);
  resized[n - 1] = '\0';
  delete[] rep_->text;
  rep_->text = resized;
  rep_->capacity = n;
  return true;
}

char *String::Buffer() {
  MakePrivate();
  return rep_->text;
}

char &String::At(int i) {
  assert(i >= 0);
  MakePrivate();
  const std::uint32_t index = static_cast<std::uint32_t>(i);
  if (index + 1 >= rep_->capacity)
    SetCapacity(index + 2);
  else if (i >= Length())
    rep_->text[index + 1] = '\0';
  return rep_->text[index];
}

String &String::operator+=(const char *text) {
  text = OrEmpty(text);
  if (Aliases(text))
    return *this += String(text).CStr();
  MakePrivate();
  const int length = Length();
  const int added = LengthOf(text);
  SetCapacity(static_cast<std::uint32_t>(length + added + 1));
  std::memcpy(rep_->text + length, text, static_cast<std::size_t>(added) + 1);
  return *this;
}

String &String::operator+=(char c) {
  At(Length()) = c;
  return *this;
}

String String::operator+(const char *text) const {
  text = OrEmpty(text);
  const std::uint32_t length = static_cast<std::uint32_t>(Length());
  const std::uint32_t added = static_cast<std::uint32_t>(std::strlen(text));
  if (length + added == 0)
    return String();
  _srep *joined = NewRep(rep_->text, length, length + added + 1);
  std::memcpy(joined->text + length, text, added);
  return String(joined);
}

String String::Left(int n) const {
  if (n >= Length())
    return *this;
  return FromRange(rep_->text, n);
}

String String::Right(int n) const {
  const int length = Length();
  if (n >= length)
    return *this;
  if (n <= 0)
    return String();
  return FromRange(rep_->text + length - n, n);
}

String String::Mid(int start, int count) const {
  const int length = Length();
  if (start >= length)
    return String();
  if (start < 0)
    start = 0;
  if (count > length - start)
    count = length - start;
  return FromRange(rep_->text + start, count);
}

void String::ReplaceLeft(int n, const char *text) {
  text = OrEmpty(text);
  if (Aliases(text))
    return ReplaceLeft(n, String(text));
  const int length = Length();
  if (n >= length) {
    *this = text;
    return;
  }
  ReplaceMid(0, n, text);
}

void String::ReplaceMid(int start, int count, const char *text) {
  text = OrEmpty(text);
  if (Aliases(text))
    return ReplaceMid(start, count, String(text));
  const int length = Length();
  if (start >= length) {
    *this += text;
    return;
  }
  start = start < 0 ? 0 : start;
  count = count < 0 ? 0 : count;
  if (start + count >= length)
    count = length - start;
  MakePrivate();
  const int added = LengthOf(text);
  const std::uint32_t needed = static_cast<std::uint32_t>(added + length - count + 1);
  if (needed > rep_->capacity)
    SetCapacity(needed);
  char *at = rep_->text + start;
  std::memmove(at + added, at + count, static_cast<std::size_t>(length - start - count) + 1);
  std::memcpy(at, text, static_cast<std::size_t>(added));
}

int String::Find(int from, const char *text, bool exact) const {
  text = OrEmpty(text);
  const int length = Length();
  from = from < 0 ? 0 : from;
  if (from > length)
    return -1;
  if (exact) {
    const char *found = std::strstr(rep_->text + from, text);
    return found != nullptr ? static_cast<int>(found - rep_->text) : -1;
  }
  const int sought = LengthOf(text);
  for (int p = from; p + sought <= length; ++p)
    if (EqualUpperFolded(rep_->text + p, text, sought))
      return p;
  return -1;
}

int String::Find(int from, char c, bool exact) const {
  const int length = Length();
  from = from < 0 ? 0 : from;
  if (from > length)
    return -1;
  if (exact) {
    const char *found = std::strchr(rep_->text + from, c);
    return found != nullptr ? static_cast<int>(found - rep_->text) : -1;
  }
  const unsigned char sought = FoldLower(c);
  for (int p = from; p < length; ++p)
    if (FoldLower(rep_->text[p]) == sought)
      return p;
  return -1;
}

void String::TrimLeading(char c) {
  MakePrivate();
  const int length = Length();
  int leading = 0;
  while (leading < length && rep_->text[leading] == c)
    ++leading;
  if (leading > 0)
    std::memmove(rep_->text, rep_->text + leading, static_cast<std::size_t>(length - leading) + 1);
}

void String::TrimTrailing(char c) {
  MakePrivate();
  const int length = Length();
  int trailing = 0;
  while (trailing < length && rep_->text[length - 1 - trailing] == c)
    ++trailing;
  if (trailing > 0)
    rep_->text[length - trailing] = '\0';
}

int String::CompareNoCase(const char *text, int n) const {
  text = OrEmpty(text);
  for (int i = 0; i < n; ++i) {
    const unsigned char own = FoldLower(rep_->text[i]);
    const unsigned char other = FoldLower(text[i]);
    if (own != other || own == '\0')
      return own - other;
  }
  return 0;
}

int String::Format(const char *format, ...) {
  std::va_list args;
  va_start(args, format);
  const int count = FormatV(format, args);
  va_end(args);
  return count;
}

// Made private before the capacity is judged: a shared representation's spare
// room is not ours to write into.
int String::FormatV(const char *format, std::va_list args) {
  MakePrivate();
  const bool enlarged = rep_->capacity < kFormatBufferSize;
  if (enlarged)
    SetCapacity(kFormatBufferSize);
  const int count = std::vsnprintf(rep_->text, rep_->capacity, OrEmpty(format), args);
  if (count < 0)
    rep_->text[0] = '\0';
  if (enlarged)
    SetCapacity(static_cast<std::uint32_t>(Length()) + 1);
  return count;
}

int CompareNamesNoCase(const char *a, const char *b) {
  if (a == b)
    return 0;
  if (a == nullptr)
    return -1;
  if (b == nullptr)
    return 1;
  for (;; ++a, ++b) {
    const unsigned char left = FoldUpper(*a);
    const unsigned char right = FoldUpper(*b);
    if (left != right || left == '\0')
      return left - right;
  }
}

int CompareStringsNoCase(const String &a, const String &b) {
  return CompareNamesNoCase(a.CStr(), b.CStr());
}

#include "pallwork/win32/filereq.h"

#include <cstddef>
#include <cstring>

namespace {

// A path of up to 1024 characters fits, with its NUL.
constexpr std::uint32_t kPathCapacity = 1025;
constexpr DWORD kPathBufferLength = 1024;

// The size of the structure up to and including lpTemplateName: the fields
// after it (pvReserved, dwReserved, FlagsEx) came with Windows 2000.
constexpr DWORD kOldRecordSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void *) != 4 || kOldRecordSize == 76, "the 32-bit record is 76 bytes");

char *CopyText(const char *text) {
  if (text == nullptr)
    return nullptr;
  const std::size_t size = std::strlen(text) + 1;
  char *copy = new char[size];
  std::memcpy(copy, text, size);
  return copy;
}

// Up to and including the NUL that follows the last pair's NUL.
char *CopyFilter(const char *filter) {
  if (filter == nullptr)
    return nullptr;
  std::size_t size = 0;
  while (filter[size] != '\0' || filter[size + 1] != '\0')
    ++size;
  size += 2;
  char *copy = new char[size];
  std::memcpy(copy, filter, size);
  return copy;
}

} // namespace

pwFileRequester::pwFileRequester(const String &initialFileName, const char *filter,
                                 const char *defaultExtension, const char *initialDirectory)
    : initialFileName_(initialFileName), filter_(CopyFilter(filter)),
      defaultExtension_(CopyText(defaultExtension)), initialDirectory_(CopyText(initialDirectory)) {
}

pwFileRequester::~pwFileRequester() {
  delete[] filter_;
  delete[] defaultExtension_;
  delete[] initialDirectory_;
}

DWORD pwFileRequester::RecordSize() { return kOldRecordSize; }

bool pwFileRequester::Run(bool open, HWND owner, String &path, DWORD flags) {
  String working = initialFileName_;
  working.SetCapacity(kPathCapacity);
  const String &title = open ? openTitle_ : saveTitle_;

  record_ = {};
  record_.lStructSize = kOldRecordSize;
  record_.hwndOwner = owner;
  record_.lpstrFilter = filter_;
  record_.nFilterIndex = 1;
  record_.lpstrFile = working.Buffer();
  record_.nMaxFile = kPathBufferLength;
  record_.lpstrInitialDir = initialDirectory_;
  record_.lpstrTitle = title.CStr();
  record_.Flags = flags;
  record_.lpstrDefExt = defaultExtension_;

  const BOOL chosen = open ? GetOpenFileNameA(&record_) : GetSaveFileNameA(&record_);
  if (!chosen)
    return false;
  path = working;
  return true;
}

#include "pallwork/win32/filereq.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr char kFilter[] = "Bitmap Files\0*.BMP\0All Files\0*.*\0";
constexpr DWORD kSaverFlags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
constexpr DWORD kAppearMs = 15000;
constexpr DWORD kVanishMs = 5000;

// The folder the dialogs start in, as a Windows path: the build's test
// folder when it names one (a Unix path reaches Wine through drive Z:).
std::string TestFolder() {
  std::string base;
  if (const char *tmp = std::getenv("VORLUNDA_TEST_TMP"); tmp != nullptr && *tmp != '\0') {
    base = tmp;
    if (base[0] == '/')
      base = "Z:" + base;
    for (char &c : base)
      if (c == '/')
        c = '\\';
  } else {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    base = temp;
  }
  if (!base.empty() && base.back() != '\\')
    base += '\\';
  CreateDirectoryA(base.c_str(), nullptr);
  const std::string folder = base + "filereq";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string ClassOf(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Enumeration callbacks must be stdcall functions, which lambdas are not on
// 32-bit builds.
BOOL CALLBACK KeepVisibleDialog(HWND window, LPARAM result) {
  if (ClassOf(window) != "#32770" || !IsWindowVisible(window))
    return TRUE;
  *reinterpret_cast<HWND *>(result) = window;
  return FALSE;
}

BOOL CALLBACK KeepEdit(HWND window, LPARAM result) {
  if (lstrcmpiA(ClassOf(window).c_str(), "Edit") != 0)
    return TRUE;
  *reinterpret_cast<HWND *>(result) = window;
  return FALSE;
}

HWND FindDialogOfThread(DWORD threadId) {
  HWND found = nullptr;
  EnumThreadWindows(threadId, KeepVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND WaitForDialog(DWORD threadId, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (HWND dialog = FindDialogOfThread(threadId))
      return dialog;
    Sleep(50);
  }
  return nullptr;
}

HWND FindDescendantEdit(HWND parent) {
  HWND found = nullptr;
  EnumChildWindows(parent, KeepEdit, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The file name field: an edit of its own in the classic layout, an edit
// inside nested combo boxes in the newer one.
HWND FileNameField(HWND dialog) {
  HWND field = GetDlgItem(dialog, cmb13);
  if (field == nullptr)
    field = GetDlgItem(dialog, edt1);
  if (field == nullptr)
    return nullptr;
  return lstrcmpiA(ClassOf(field).c_str(), "Edit") == 0 ? field : FindDescendantEdit(field);
}

std::string TextOf(HWND window) {
  char text[256] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// Plays the person in front of the dialog, from a second thread while the
// test's thread sits in the dialog's modal loop.
class DialogDriver {
public:
  // fileName null: press Cancel instead.
  explicit DialogDriver(const char *fileName)
      : fileName_(fileName != nullptr ? fileName : ""), cancel_(fileName == nullptr),
        owner_(GetCurrentThreadId()), thread_([this] { Drive(); }) {}
  ~DialogDriver() {
    if (thread_.joinable())
      thread_.join();
  }
  void Finish() { thread_.join(); }

  bool found = false;
  bool typed = false;
  std::string caption;
  LRESULT filterCount = -1;
  std::string firstFilter;

private:
  void Drive() {
    HWND dialog = WaitForDialog(owner_, kAppearMs);
    if (dialog == nullptr)
      return;
    found = true;
    Observe(dialog);
    if (!cancel_) {
      HWND field = FileNameField(dialog);
      typed = field != nullptr;
      if (typed)
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName_.c_str()));
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(cancel_ || !typed ? IDCANCEL : IDOK, BN_CLICKED),
                 0);
    EnsureGone(dialog);
  }

  void Observe(HWND dialog) {
    caption = TextOf(dialog);
    HWND types = GetDlgItem(dialog, cmb1);
    filterCount = SendMessageA(types, CB_GETCOUNT, 0, 0);
    char item[256] = {};
    SendMessageA(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    firstFilter = item;
  }

  // Never leave the test waiting: whatever the dialog did, close it.
  static void EnsureGone(HWND dialog) {
    for (DWORD waited = 0; waited < kVanishMs && IsWindow(dialog); waited += 50)
      Sleep(50);
    if (IsWindow(dialog))
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }

  std::string fileName_;
  bool cancel_;
  DWORD owner_;
  std::thread thread_;
};

bool SamePath(const std::string &a, const std::string &b) {
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
         CSTR_EQUAL;
}

TEST(FileRequester, SaveDialogReturnsTheTypedNameInTheStartingFolder) {
  const std::string folder = TestFolder();
  pwFileRequester requester("*.BMP", kFilter, "BMP", folder.c_str());
  requester.SetSaveTitle("Save the picture");
  String path = "unchanged";
  DialogDriver driver("shot");
  const bool chosen = requester.Run(false, nullptr, path, kSaverFlags);
  driver.Finish();

  ASSERT_TRUE(driver.found) << "no file dialog appeared";
  EXPECT_TRUE(driver.typed);
  EXPECT_EQ(driver.caption, "Save the picture");
  EXPECT_EQ(driver.filterCount, 2); // copied through the double NUL, not cut at the first
  EXPECT_EQ(driver.firstFilter, "Bitmap Files");
  EXPECT_TRUE(chosen);
  const std::string expected = folder + "\\shot.BMP"; // default extension added
  EXPECT_TRUE(SamePath(path.CStr(), expected)) << path.CStr() << " vs " << expected;
}

TEST(FileRequester, CancelReturnsFalseAndLeavesThePath) {
  pwFileRequester requester("*.BMP", kFilter, "BMP", TestFolder().c_str());
  String path = "unchanged";
  DialogDriver driver(nullptr);
  EXPECT_FALSE(requester.Run(false, nullptr, path, kSaverFlags));
  driver.Finish();
  EXPECT_TRUE(driver.found);
  EXPECT_STREQ(path.CStr(), "unchanged");
}

} // namespace

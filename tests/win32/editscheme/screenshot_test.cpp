#include "tests/win32/editscheme/support/editschemerun.h"
#include "tests/win32/support/childrun.h"
#include "tests/win32/support/logpixels.h"
#include "tests/win32/support/messagepump.h"
#include "tests/win32/support/windowshot.h"
#include "vorlunda/editschm/win32/editschmids.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Every sheet of the dialog at three resolutions, for a fully random and a
// templated scheme, kept under test-tmp to be looked at. Wine reads the
// resolution once per process, so each resolution is a child run of this
// program with the setting made beforehand.
constexpr char kDpiVariable[] = "VORLUNDA_EDIT_SHOT_DPI";
constexpr DWORD kChildMs = 60000;
constexpr DWORD kSettleMs = 200;
constexpr int kSolid = 5;
constexpr int kFerns = 3;
const char *const kSheetNames[] = {"general", "drawing", "rules", "filter"};

DWORD RunShotChild(int dpi) {
  SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
  const DWORD code = RunDisabledTestInChild("EditSchemeShot.DISABLED_Capture", kChildMs);
  SetEnvironmentVariableA(kDpiVariable, nullptr);
  return code;
}

std::string ShotName(const char *kind, int sheet, const std::string &dpi) {
  return std::string("editscheme-") + kind + "-" + kSheetNames[sheet] + "-" + dpi + "dpi.bmp";
}

// Nothing of a sheet may lie outside it, nor outside the tab's display area.
void ExpectControlsInside(vEditSchemeDlg &dialog, int sheet) {
  HWND page = SheetWindow(dialog, sheet);
  RECT area = {};
  GetWindowRect(page, &area);
  RECT tabs = {};
  GetWindowRect(dialog.Tabs().Window(), &tabs);
  EXPECT_LE(area.right, tabs.right) << kSheetNames[sheet];
  EXPECT_LE(area.bottom, tabs.bottom) << kSheetNames[sheet];
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    EXPECT_TRUE(rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
                rect.bottom <= area.bottom)
        << kSheetNames[sheet] << " control " << GetDlgCtrlID(child);
  }
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

// Whether a control's text fits it in its own font: wrapped within a label,
// on one line beside a check box or in a group box's caption.
bool TextFits(HWND control) {
  char text[256] = {};
  if (GetWindowTextA(control, text, sizeof(text)) == 0)
    return true;
  RECT client = {};
  GetClientRect(control, &client);
  const std::string kind = ClassOf(control);
  const LONG style = static_cast<LONG>(GetWindowLongPtrA(control, GWL_STYLE));
  HDC dc = GetDC(control);
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT needed = {0, 0, client.right, 0};
  const bool label = kind == "Static";
  DrawTextA(dc, text, -1, &needed, DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (label)
    return needed.bottom <= client.bottom && needed.right <= client.right;
  int room = client.right;
  if ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
    room -= GetSystemMetrics(SM_CXMENUCHECK) + 4; // the box and its gap
  else if ((style & BS_TYPEMASK) == BS_GROUPBOX)
    room -= 16; // the frame's corners on both sides
  return needed.right <= room;
}

void ExpectTextsFit(HWND parent, const char *where) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string kind = ClassOf(child);
    if (kind == "Static" || kind == "Button") {
      EXPECT_TRUE(TextFits(child)) << where << " control " << GetDlgCtrlID(child);
    }
  }
}

void CaptureEverySheet(int position, const char *kind, const std::string &dpi) {
  vConfigMgr config = SampleConfig();
  vNameSchemePair pair = PairAt(config, position);
  RunEditScheme(pair, config, position, [&](vEditSchemeDlg &dialog) {
    ExpectTextsFit(dialog.Window(), "dialog");
    for (int sheet = 0; sheet < dialog.SheetCount(); ++sheet) {
      dialog.ShowSheet(dialog.Sheet(sheet));
      RedrawWindow(dialog.Window(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      PumpFor(kSettleMs, dialog.Window());
      ExpectControlsInside(dialog, sheet);
      ExpectTextsFit(SheetWindow(dialog, sheet), kSheetNames[sheet]);
      EXPECT_TRUE(SaveWindowShot(dialog.Window(), TestTmpPath(ShotName(kind, sheet, dpi))));
    }
  });
}

TEST(EditSchemeShot, EverySheetAtNinetySixOneHundredTwentyAndOneHundredFortyFourDpi) {
  LogPixelsSetting setting;
  for (int dpi : {96, 120, 144}) {
    ASSERT_TRUE(setting.Set(static_cast<DWORD>(dpi)));
    EXPECT_EQ(RunShotChild(dpi), 0u) << dpi;
    for (const char *kind : {"random", "templated"}) {
      for (int sheet = 0; sheet < 4; ++sheet) {
        const std::string path = TestTmpPath(ShotName(kind, sheet, std::to_string(dpi)));
        FILE *file = std::fopen(path.c_str(), "rb");
        EXPECT_NE(file, nullptr) << path;
        if (file != nullptr)
          std::fclose(file);
      }
    }
  }
}

// Run by the test above in a process of its own.
TEST(EditSchemeShot, DISABLED_Capture) {
  const char *dpi = std::getenv(kDpiVariable);
  ASSERT_NE(dpi, nullptr);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), std::atoi(dpi));
  ReleaseDC(nullptr, screen);
  CaptureEverySheet(kSolid, "random", dpi);
  CaptureEverySheet(kFerns, "templated", dpi);
}

} // namespace

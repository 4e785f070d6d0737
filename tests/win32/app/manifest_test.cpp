// The saver's manifest as the system reads it from the built program.

#include "tests/win32/app/support/programpath.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The activation context of the program's manifest resource.
class ProgramContext {
public:
  explicit ProgramContext(const std::string &program) {
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    context_ = CreateActCtxA(&request);
  }
  ~ProgramContext() {
    if (Valid())
      ReleaseActCtx(context_);
  }
  ProgramContext(const ProgramContext &) = delete;
  ProgramContext &operator=(const ProgramContext &) = delete;

  bool Valid() const { return context_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return context_; }

  std::wstring Setting(const wchar_t *name, const wchar_t *space) const {
    wchar_t value[128] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context_, space, name, value, ARRAYSIZE(value), &written))
      return L"(none)";
    return value;
  }

private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST(Manifest, AsksForPerMonitorResolutionAwareness) {
  const ProgramContext context(ProgramPath());
  ASSERT_TRUE(context.Valid()) << "no manifest in " << ProgramPath();
  const struct {
    const wchar_t *name;
    const wchar_t *space;
    const wchar_t *value;
  } kSettings[] = {
      {L"dpiAware", L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"true/pm"},
      {L"dpiAwareness", L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
       L"PerMonitorV2,PerMonitor"},
  };
  for (const auto &s : kSettings)
    EXPECT_EQ(context.Setting(s.name, s.space), s.value);
}

// Version 6 of the common controls is a side-by-side assembly that brings its
// own buttons and edit fields; the window system's own serve without it.
TEST(Manifest, BringsTheCommonControlsWithVisualStyles) {
  const ProgramContext context(ProgramPath());
  ASSERT_TRUE(context.Valid());
  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context.Get(), &cookie));
  const struct {
    ULONG section;
    const wchar_t *name;
  } kRedirected[] = {{ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll"},
                     {ACTIVATION_CONTEXT_SECTION_WINDOW_CLASS_REDIRECTION, L"Button"},
                     {ACTIVATION_CONTEXT_SECTION_WINDOW_CLASS_REDIRECTION, L"SysTabControl32"}};
  for (const auto &r : kRedirected) {
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof data;
    // Found in the program's own context, not in this test program's.
    const bool found = FindActCtxSectionStringW(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                                                r.section, r.name, &data) != FALSE;
    EXPECT_TRUE(found && data.hActCtx == context.Get()) << "not redirected: " << r.section;
    if (found && data.hActCtx != nullptr)
      ReleaseActCtx(data.hActCtx);
  }
  DeactivateActCtx(0, cookie);
}

} // namespace

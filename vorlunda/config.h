#pragma once

#include "foundation/error.h"
#include "foundation/skiplist.h"
#include "foundation/string.h"
#include "vorlunda/scheme.h"

#include <cstdint>

// Where the configuration lives, under the current user's hive.
constexpr const char *kConfigKey = "Control Panel\\Screen Saver.Vorlunda";
constexpr const char *kSchemesKey = "Control Panel\\Screen Saver.Vorlunda\\Schemes";
// The general values of the configuration key; all but the directory are numbers.
constexpr const char *kScreenShotsValue = "ScreenShots";
constexpr const char *kScreenShotDirectoryValue = "ScreenShotDirectory";
constexpr const char *kInfoLineValue = "InfoLine";
constexpr const char *kHighestVersionValue = "HighestVersion";

// A scheme under its name; the configuration owns every pair it holds.
struct vNameSchemePair {
  String name;
  vScheme scheme;
};

using vSchemeList = SkipListKeyed<String, vNameSchemePair *>;
using vSchemeIter = SkipIter<vNameSchemePair *>;

class pwRegistryUndo;

// The whole user configuration: general settings and named schemes, moved
// between memory and the registry. Names compare without regard to letter
// case, so they are unique that way, and positions follow that order.
class vConfigMgr {
public:
  vConfigMgr();
  vConfigMgr(const vConfigMgr &other);
  vConfigMgr &operator=(const vConfigMgr &other);
  ~vConfigMgr() = default;

  // A deep copy: general settings, every pair, the deleted and hidden names.
  void AssignFrom(const vConfigMgr &other);
  // Everything except highestVersion, which records what the registry held.
  void Clear();
  Error Load();
  // All or nothing as far as the registry allows: on a failure every value
  // it changed is put back.
  Error Store();
  // Built-in schemes back to their table values; user schemes are kept, disabled.
  void RestoreDefaults();
  // The built-in schemes, each under a name no hidden scheme has; the general
  // settings and the other schemes stay as they are.
  void AddDefaultSchemes();
  void CopyGeneral(const vConfigMgr &other);

  std::int32_t SchemeCount() const { return schemes_.Count(); }
  // Walks the list: positions are for dialogs and small loops.
  vNameSchemePair *SchemeAt(std::int32_t position) const;
  vNameSchemePair *FindScheme(const String &name, std::int32_t *position = nullptr) const;
  // A name stored in the registry that Load could not take in: written by a
  // later version, or unreadable. Such a value is left alone, so no scheme
  // may take its name.
  bool IsNameHidden(const String &name) const;
  // Held by a scheme here or by a hidden one.
  bool IsNameTaken(const String &name) const;
  // Replaces any scheme of that name; the name keeps the letter case given here.
  void SetScheme(const String &name, const vScheme &scheme);
  void RemoveScheme(const String &name);
  // Return the name chosen.
  String NewScheme();
  String CopyScheme(const vNameSchemePair &pair);
  static const char *FillPreset(int row, vScheme &scheme);
  void AddUpgradeSchemes();

  // In list order, for the factory and the dialogs.
  const vSchemeList &Schemes() const { return schemes_; }
  // Names whose registry values the next Store deletes.
  const SkipList<String> &DeletedNames() const { return deletedNames_; }

  bool screenShots = false;
  String screenShotDirectory;
  bool infoLine = false;
  std::int32_t highestVersion = 0;

private:
  void ReadGeneral();
  void LoadSchemes(Error &result, std::int32_t &ignored);
  void HideName(const String &name);
  Error WriteGeneral(pwRegistryUndo &general) const;
  Error WriteSchemes(pwRegistryUndo &schemes);
  Error DeleteRemovedSchemes(pwRegistryUndo &schemes) const;
  void SetUnlessHidden(const char *name, const vScheme &scheme);
  void ForgetDeletedName(const String &name);

  vSchemeList schemes_;
  SkipList<String> deletedNames_;
  SkipList<String> hiddenNames_;
};

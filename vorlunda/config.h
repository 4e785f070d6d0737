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

// The whole user configuration: general settings and named schemes, moved
// between memory and the registry. Names compare without regard to letter
// case, so they are unique that way, and positions follow that order.
class vConfigMgr {
public:
  vConfigMgr();
  vConfigMgr(const vConfigMgr &other);
  vConfigMgr &operator=(const vConfigMgr &other);
  ~vConfigMgr() = default;

  // A deep copy: general settings, every pair and the deleted names.
  void AssignFrom(const vConfigMgr &other);
  // Everything except highestVersion, which records what the registry held.
  void Clear();
  Error Load();
  Error Store();
  // Built-in schemes back to their table values; user schemes are kept, disabled.
  void RestoreDefaults();
  void CopyGeneral(const vConfigMgr &other);

  std::int32_t SchemeCount() const { return schemes_.Count(); }
  // Walks the list: positions are for dialogs and small loops.
  vNameSchemePair *SchemeAt(std::int32_t position) const;
  vNameSchemePair *FindScheme(const String &name, std::int32_t *position = nullptr) const;
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
  Error WriteGeneral();
  void StoreSchemes(Error &result);
  void ForgetDeletedName(const String &name);

  vSchemeList schemes_;
  SkipList<String> deletedNames_;
};

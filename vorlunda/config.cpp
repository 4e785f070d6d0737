#include "vorlunda/config.h"

#include "vorlunda/presets.h"
#include "vorlunda/schemenames.h"

#include <cassert>

namespace {

// Skip lists of a few tens of names need no more levels.
constexpr std::int32_t kListLevels = 3;

String PairName(vNameSchemePair *const &pair) { return pair->name; }

class SchemesOf final : public vTakenNames {
public:
  explicit SchemesOf(const vConfigMgr &config) : config_(config) {}
  bool IsTaken(const String &name) const override { return config_.IsNameTaken(name); }

private:
  const vConfigMgr &config_;
};

} // namespace

vConfigMgr::vConfigMgr()
    : schemes_(kListLevels, PairName, CompareStringsNoCase, DeletePointee<vNameSchemePair>),
      deletedNames_(kListLevels, CompareStringsNoCase),
      hiddenNames_(kListLevels, CompareStringsNoCase) {}

vConfigMgr::vConfigMgr(const vConfigMgr &other) : vConfigMgr() { AssignFrom(other); }

vConfigMgr &vConfigMgr::operator=(const vConfigMgr &other) {
  AssignFrom(other);
  return *this;
}

void vConfigMgr::AssignFrom(const vConfigMgr &other) {
  if (this == &other)
    return;
  CopyGeneral(other);
  schemes_.Clear();
  for (vSchemeIter it(other.schemes_); !it.AtEnd(); it.Next())
    schemes_.Insert(new vNameSchemePair(*it.Value()));
  deletedNames_ = other.deletedNames_;
  hiddenNames_ = other.hiddenNames_;
}

void vConfigMgr::Clear() {
  screenShots = false;
  screenShotDirectory = "";
  infoLine = false;
  schemes_.Clear();
  deletedNames_.Clear();
  hiddenNames_.Clear();
}

void vConfigMgr::CopyGeneral(const vConfigMgr &other) {
  screenShots = other.screenShots;
  screenShotDirectory = other.screenShotDirectory;
  infoLine = other.infoLine;
  highestVersion = other.highestVersion;
}

void vConfigMgr::RestoreDefaults() {
  screenShots = false;
  screenShotDirectory = "";
  infoLine = false;
  for (vSchemeIter it(schemes_); !it.AtEnd(); it.Next())
    it.Value()->scheme.enabled = false;
  AddDefaultSchemes();
}

// A hidden scheme of a built-in name keeps its value: it may be the user's
// own, written by a later version.
void vConfigMgr::SetUnlessHidden(const char *name, const vScheme &scheme) {
  if (!IsNameHidden(name))
    SetScheme(name, scheme);
}

void vConfigMgr::AddDefaultSchemes() {
  for (int row = 0; row < kPresetCount; ++row) {
    vScheme preset;
    const char *name = FillPreset(row, preset);
    SetUnlessHidden(name, preset);
  }
  for (int index = 0; index < kTemplatedDefaultCount; ++index)
    SetUnlessHidden(TemplatedDefaultName(index), TemplatedDefault(index));
}

bool vConfigMgr::IsNameHidden(const String &name) const {
  return hiddenNames_.Find(name) != nullptr;
}

bool vConfigMgr::IsNameTaken(const String &name) const {
  return FindScheme(name) != nullptr || IsNameHidden(name);
}

void vConfigMgr::HideName(const String &name) {
  if (!IsNameHidden(name))
    hiddenNames_.Insert(name);
}

vNameSchemePair *vConfigMgr::SchemeAt(std::int32_t position) const {
  assert(position >= 0 && position < schemes_.Count());
  SkipNode<vNameSchemePair *> *node = schemes_.First();
  for (std::int32_t i = 0; i < position; ++i)
    node = node->forward[0];
  return node->value;
}

vNameSchemePair *vConfigMgr::FindScheme(const String &name, std::int32_t *position) const {
  SkipNode<vNameSchemePair *> *found = schemes_.Find(name);
  if (found == nullptr)
    return nullptr;
  if (position != nullptr) {
    *position = 0;
    for (SkipNode<vNameSchemePair *> *node = found->back[0]; node != nullptr; node = node->back[0])
      ++*position;
  }
  return found->value;
}

void vConfigMgr::ForgetDeletedName(const String &name) {
  while (SkipNode<String> *node = deletedNames_.Find(name))
    deletedNames_.RemoveNode(node);
}

// The arguments may belong to the pair being replaced or removed, so they are
// used before that pair is freed.
void vConfigMgr::SetScheme(const String &name, const vScheme &scheme) {
  vNameSchemePair *added = new vNameSchemePair{name, scheme};
  ForgetDeletedName(added->name);
  if (SkipNode<vNameSchemePair *> *old = schemes_.Find(added->name))
    delete schemes_.RemoveNode(old);
  schemes_.Insert(added);
}

void vConfigMgr::RemoveScheme(const String &name) {
  SkipNode<vNameSchemePair *> *node = schemes_.Find(name);
  if (node == nullptr)
    return;
  deletedNames_.Insert(name);
  delete schemes_.RemoveNode(node);
}

String vConfigMgr::NewScheme() {
  const String name = NewSchemeName(SchemesOf(*this));
  vScheme scheme;
  FillPreset(kNewSchemePreset, scheme);
  SetScheme(name, scheme);
  return name;
}

String vConfigMgr::CopyScheme(const vNameSchemePair &pair) {
  const String name = CopySchemeName(pair.name, SchemesOf(*this));
  SetScheme(name, pair.scheme); // a fresh name, so the source pair stays alive
  return name;
}

const char *vConfigMgr::FillPreset(int row, vScheme &scheme) {
  return FillPresetScheme(row, scheme);
}

void vConfigMgr::AddUpgradeSchemes() {
  for (int row : kUpgradePresets) {
    vScheme preset;
    const char *name = FillPreset(row, preset);
    if (!IsNameTaken(name))
      SetScheme(name, preset);
  }
}

#include "vorlunda/schemetype.h"

namespace {

const Association<vSchemeType, const char *> kSchemeTypePairs[] = {
    {vSchemeType::FullRandom, "FullRandom"},
    {vSchemeType::Experimental, "Experimental"},
};

} // namespace

const vSchemeTypeNames &SchemeTypeNames() {
  static const vSchemeTypeNames names(kSchemeTypePairs, kSchemeTypeCount,
                                      static_cast<vSchemeType>(-1), nullptr, nullptr,
                                      CompareEnumNames);
  return names;
}

const char *SchemeTypeName(vSchemeType type) { return SchemeTypeNames().ValueOf(type); }

vSchemeType SchemeTypeFromName(const char *name) { return SchemeTypeNames().KeyOf(name); }

#include "ifs/coloursystem.h"

namespace {

const Association<ifsColourSystem, const char *> kColourSystemPairs[] = {
    {ifsColourSystem::Solid, "Solid"},
    {ifsColourSystem::Shaded, "Shaded"},
    {ifsColourSystem::Intensity, "Intensity"},
    {ifsColourSystem::Spectrum, "Spectrum"},
};

} // namespace

const ifsColourSystemNames &ColourSystemNames() {
  static const ifsColourSystemNames names(kColourSystemPairs, kColourSystemCount,
                                          static_cast<ifsColourSystem>(-1), nullptr, nullptr,
                                          CompareEnumNames);
  return names;
}

const char *ColourSystemName(ifsColourSystem system) { return ColourSystemNames().ValueOf(system); }

ifsColourSystem ColourSystemFromName(const char *name) { return ColourSystemNames().KeyOf(name); }

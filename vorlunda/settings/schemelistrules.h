#pragma once

#include <cstdint>

// The decisions behind the settings dialog's scheme list, kept apart
// from the windows so they can be tested on their own.

// Which buttons of the scheme list can be pressed. New needs no selection.
struct vSchemeButtons {
  bool edit;
  bool test;
  bool newScheme;
  bool copy;
  bool remove;
};

vSchemeButtons SchemeButtonsFor(bool hasSelection);

// The item to select once the item at `deleted` has gone and `remaining`
// items are left: the one that moved into its place, else the new last
// one, else none (-1).
std::int32_t SelectionAfterDelete(std::int32_t deleted, std::int32_t remaining);

// An edit that kept the name letter for letter changes the scheme in place;
// any other name, even one differing only in letter case, moves it.
bool EditKeepsName(const char *oldName, const char *newName);

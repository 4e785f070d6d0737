#pragma once

#include "vorlunda/helpfile.h"

#include <cstdint>

// The decisions behind the settings dialog's scheme list and help, kept apart
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

// Help topics of the settings dialog.
constexpr std::uint32_t kSettingsHelpContext = 256;
constexpr std::uint32_t kSchemesHelpContext = 257;
constexpr std::uint32_t kGeneralHelpContext = 258;

// Tab positions of the settings dialog's sheets.
constexpr std::int32_t kSchemesTab = 0;
constexpr std::int32_t kGeneralTab = 1;
constexpr std::int32_t kAboutTab = 2;

// The topic for the help key pressed on one of the dialog's own controls:
// on the tab control the topic of the sheet whose tab is selected, where it
// has one; anywhere else the dialog's.
std::uint32_t SettingsHelpContext(bool onTabControl, std::int32_t selectedTab);

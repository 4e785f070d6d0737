#pragma once

#include <cstdint>

// Layout flags of a tabbed dialog: where its other controls go when the tab
// control grows to hold the largest sheet, and whether it may shrink.
constexpr std::uint32_t kTabLayoutMoveRight = 1;
constexpr std::uint32_t kTabLayoutMoveHalfRight = 2; // only without kTabLayoutMoveRight
constexpr std::uint32_t kTabLayoutMoveDown = 4;
constexpr std::uint32_t kTabLayoutNeverShrink = 8;

struct pwTabSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// What a tabbed dialog does to itself when it opens: the tab control takes
// its new size, the dialog grows (or shrinks) by the growth, and the other
// controls move by the offset.
struct pwTabLayout {
  pwTabSize tabControl;
  pwTabSize growth;
  std::int32_t moveX = 0;
  std::int32_t moveY = 0;
};

// The display area every sheet fits in: the widest width and the tallest
// height, which may come from different sheets.
pwTabSize LargestSheet(const pwTabSize *sheets, std::int32_t count);

// needed: the tab control's size around the largest sheet; current: its
// size in the template.
pwTabLayout PlanTabLayout(pwTabSize needed, pwTabSize current, std::uint32_t flags);

// The tab Ctrl+Tab and Ctrl+Shift+Tab select, wrapping at both ends; -1 when
// there are no tabs.
std::int32_t NextTab(std::int32_t current, std::int32_t count);
std::int32_t PreviousTab(std::int32_t current, std::int32_t count);

// Where the keyboard focus goes when another sheet is shown.
enum class pwSheetFocus {
  Stay,         // the focus was not in the old sheet (on the tab control, say)
  FirstTabStop, // into the new sheet, on its first enabled tab stop
  TabControl,   // the new sheet has nothing to take it
};

pwSheetFocus DecideSheetFocus(bool focusInOldSheet, bool newSheetHasTabStop);

// The topic for the help key pressed on one of a tabbed dialog's own
// controls: on the tab control the topic of the sheet whose tab is
// selected, where it has one (0: none, or no sheet selected); anywhere else
// the dialog's.
std::uint32_t TabbedDialogHelpContext(bool onTabControl, std::uint32_t selectedSheetContext,
                                      std::uint32_t dialogContext);

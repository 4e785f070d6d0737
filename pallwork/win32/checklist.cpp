#include "pallwork/win32/checklist.h"

#include "pallwork/checklistlayout.h"
#include "pallwork/win32/dialog.h"

#include <windowsx.h>

namespace {

constexpr UINT kMessageBeep = 0xFFFFFFFF; // the simple beep of MessageBeep(-1)

HPEN SolidPen(int systemColour) { return CreatePen(PS_SOLID, 1, GetSysColor(systemColour)); }

HFONT FontOf(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

int TextHeight(HWND window, HFONT font) {
  const WindowDC dc(window);
  const SelectedObject selected(dc.Get(), font);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc.Get(), &metrics);
  return metrics.tmHeight;
}

// Puts the item's colours into the device context and back again.
class ItemColours {
public:
  ItemColours(HDC dc, bool selected)
      : dc_(dc),
        text_(SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT))),
        back_(SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW))) {}
  ~ItemColours() {
    SetTextColor(dc_, text_);
    SetBkColor(dc_, back_);
  }
  ItemColours(const ItemColours &) = delete;
  ItemColours &operator=(const ItemColours &) = delete;

private:
  HDC dc_; // not owned
  COLORREF text_;
  COLORREF back_;
};

} // namespace

pwCheckList::pwCheckList(pwDialog *dialog, int controlId, bool autoDelete)
    : pwListbox(dialog, controlId, autoDelete), normalPen_(SolidPen(COLOR_WINDOWTEXT)),
      highlightPen_(SolidPen(COLOR_HIGHLIGHTTEXT)) {}

// The list box selects the clicked item itself once the click goes on.
bool pwCheckList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_LBUTTONDOWN) {
    const int index = ItemIndexAt(GET_Y_LPARAM(lParam), TopIndex(), EffectiveItemHeight());
    if (index >= 0 && index < Count() && IsOnCheckBox(GET_X_LPARAM(lParam), checkBoxSize_))
      SetItemChecked(index, !IsItemChecked(index));
  }
  return pwListbox::HandleMessage(message, wParam, lParam, result);
}

bool pwCheckList::MeasureItem(pwDialog *dialog, MEASUREITEMSTRUCT *record) {
  font_ = FontOf(dialog->Window());
  const pwCheckListLayout layout = MeasureCheckList(TextHeight(dialog->Window(), font_));
  itemHeight_ = layout.itemHeight;
  checkBoxSize_ = layout.checkBoxSize;
  textOffset_ = layout.textOffset;
  record->itemHeight = static_cast<UINT>(itemHeight_);
  return true;
}

bool pwCheckList::DrawItem(DRAWITEMSTRUCT *record) {
  const bool validItem = record->itemID != static_cast<UINT>(-1);
  if (validItem && (record->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0)
    DrawWholeItem(*record);
  else if ((record->itemAction & ODA_FOCUS) != 0)
    DrawFocusRect(record->hDC, &record->rcItem);
  return true;
}

void pwCheckList::DrawWholeItem(const DRAWITEMSTRUCT &record) {
  const int index = static_cast<int>(record.itemID);
  const bool selected = (record.itemState & ODS_SELECTED) != 0;
  FillRect(record.hDC, &record.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const String text = ItemText(index);
  if (!text.IsEmpty()) {
    DrawCheckBox(record.hDC, record.rcItem, selected, IsItemChecked(index));
    DrawItemText(record.hDC, record.rcItem, selected, text);
  }
  if ((record.itemState & ODS_FOCUS) != 0)
    DrawFocusRect(record.hDC, &record.rcItem);
}

void pwCheckList::DrawCheckBox(HDC dc, const RECT &item, bool selected, bool checked) {
  pwPoint outline[kCheckBoxPoints];
  const int count = CheckBoxOutline(item.left, item.top, checkBoxSize_, checked, outline);
  POINT points[kCheckBoxPoints];
  for (int i = 0; i < count; ++i)
    points[i] = {outline[i].x, outline[i].y};
  const SelectedObject pen(dc, selected ? highlightPen_.Get() : normalPen_.Get());
  Polyline(dc, points, count);
}

void pwCheckList::DrawItemText(HDC dc, const RECT &item, bool selected, const String &text) {
  const SelectedObject font(dc, font_ != nullptr ? font_ : GetStockObject(SYSTEM_FONT));
  const ItemColours colours(dc, selected);
  RECT area = item;
  area.left += textOffset_;
  DrawTextA(dc, text.CStr(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

bool pwCheckList::CharToItem(int character, int caretIndex) {
  const pwTypeAhead::Result found =
      typeAhead_.Type(static_cast<char>(character), caretIndex, Count(),
                      [this](std::int32_t index) { return ItemText(index); });
  if (found.outcome == pwTypeAhead::Outcome::Found)
    Select(found.index);
  else if (found.outcome == pwTypeAhead::Outcome::Missed)
    OnSearchMiss();
  return true;
}

void pwCheckList::SetItemChecked(int index, bool) { RedrawItem(index, false); }

void pwCheckList::OnSearchMiss() { MessageBeep(kMessageBeep); }

std::int32_t pwCheckList::EffectiveItemHeight() const {
  if (itemHeight_ > 0)
    return itemHeight_;
  return static_cast<std::int32_t>(SendMessageA(window_, LB_GETITEMHEIGHT, 0, 0));
}

#include "pallwork/win32/checkbox.h"

int pwCheckBox::GetCheck() const {
  return static_cast<int>(SendMessageA(window_, BM_GETCHECK, 0, 0));
}

void pwCheckBox::SetCheck(int state) {
  SendMessageA(window_, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

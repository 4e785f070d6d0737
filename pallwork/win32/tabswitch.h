#pragma once

// What the controls of a tabbed dialog need from its tab control: Ctrl+Tab
// and Ctrl+Shift+Tab select the next and the previous tab, wrapping around.
// The dialog holds it as a borrowed pointer; a null pointer means no tabs.
class pwTabSwitch {
public:
  virtual void Next() = 0;
  virtual void Previous() = 0;

protected:
  ~pwTabSwitch() = default; // never deleted through this interface
};

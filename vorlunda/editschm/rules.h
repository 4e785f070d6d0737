#pragma once

#include "foundation/string.h"
#include "ifs/rulesystem.h"
#include "vorlunda/editschm/checkresult.h"
#include "vorlunda/scheme.h"

enum class vRulesColumn { Enabled, Minimum, Maximum };

// One cell of the sheet's grid: a row per rule system.
struct vRulesField {
  int row = 0;
  vRulesColumn column = vRulesColumn::Enabled;
};

// What the Rules sheet shows, as plain values.
struct vRulesValues {
  bool templated = false;
  bool enabled[kRuleSystemCount] = {};
  vRuleLimits limits[kRuleSystemCount];
};

// The row's label as the sheet shows it, accelerator mark included.
const char *RuleRowLabel(int row);
// The label as a message names it: without its accelerator mark.
String RuleRowName(int row);

// Every row in order, then the rule systems as a whole; the first failure
// wins. The limits of rule systems that are switched off are kept in the
// scheme too, so they are checked alike. A templated scheme has no rules of
// its own and always passes.
vCheckResult<vRulesField> CheckRules(const vRulesValues &values);

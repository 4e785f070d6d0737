#include "ifs/rulesystem.h"

namespace {

const Association<ifsRuleSystem, const char *> kRuleSystemPairs[] = {
    {ifsRuleSystem::Linear, "Linear"},
    {ifsRuleSystem::Trig, "Trig"},
    {ifsRuleSystem::TrigSquared, "TrigSquared"},
    {ifsRuleSystem::LinearTrigCombo, "LinearTrigCombo"},
    {ifsRuleSystem::SignedSquareRoot, "SignedSquareRoot"},
    {ifsRuleSystem::Mixture, "Mixture"},
};

} // namespace

const ifsRuleSystemNames &RuleSystemNames() {
  static const ifsRuleSystemNames names(kRuleSystemPairs, kRuleSystemCount,
                                        static_cast<ifsRuleSystem>(-1), nullptr, nullptr,
                                        CompareEnumNames);
  return names;
}

const char *RuleSystemName(ifsRuleSystem system) { return RuleSystemNames().ValueOf(system); }

ifsRuleSystem RuleSystemFromName(const char *name) { return RuleSystemNames().KeyOf(name); }

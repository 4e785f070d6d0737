#include "vorlunda/settings/schemelistrules.h"

#include <cstring>

vSchemeButtons SchemeButtonsFor(bool hasSelection) {
  return vSchemeButtons{hasSelection, hasSelection, true, hasSelection, hasSelection};
}

std::int32_t SelectionAfterDelete(std::int32_t deleted, std::int32_t remaining) {
  if (remaining <= 0)
    return -1;
  return deleted < remaining ? deleted : remaining - 1;
}

bool EditKeepsName(const char *oldName, const char *newName) {
  return std::strcmp(oldName, newName) == 0;
}

#include "vorlunda/editschm/limitcheck.h"

#include <cstring>

namespace {

String Quoted(const char *text) {
  String quoted = "'";
  quoted += text;
  quoted += "'";
  return quoted;
}

String BoundText(double bound, std::int32_t decimals) {
  String text;
  text.Format("%.*f", static_cast<int>(decimals), bound);
  return text;
}

// The wording with its "%s" replaced by the bound.
String Worded(const char *wording, double bound, std::int32_t decimals) {
  const char *mark = std::strstr(wording, "%s");
  String text = String(wording).Left(static_cast<int>(mark - wording));
  text += BoundText(bound, decimals);
  text += mark + 2;
  return text;
}

} // namespace

String FieldSubject(const char *label) { return Quoted(label); }

String FieldSubject(const char *label, const String &row) {
  return Quoted(label) + " for " + Quoted(row);
}

String InvalidValueMessage(const String &subject, const String &requirement) {
  return subject + " contains an invalid value.\nIt must be " + requirement + ".";
}

String LowRequirement(const char *wording, double bound, std::int32_t decimals) {
  return Worded(wording, bound, decimals);
}

String HighRequirement(double bound, std::int32_t decimals) {
  return Worded("%s or less", bound, decimals);
}

String NotBelowRequirement(const char *minimumLabel) {
  return String("at least as large as ") + Quoted(minimumLabel);
}

#include "vorlunda/helptopics.h"

const char *HelpPageOf(std::uint32_t context) {
  if (context == 0)
    return nullptr;
  for (const vHelpTopic &topic : kHelpTopics) {
    if (topic.context == context)
      return topic.page;
  }
  return nullptr;
}

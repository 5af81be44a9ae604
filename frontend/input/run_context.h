#pragma once
// Everything a writer or reader of the run works with: the settings, the
// message service, the run's state and the extra-text table.

#include "core/settings.h"
#include "input/extra_text_table.h"
#include "input/run_state.h"
#include "messages/messages.h"

namespace kartovex {

struct RunContext {
  FrontEndSettings& settings;
  MessageService& messages;
  RunState& run;
  ExtraTextTable& extraTexts;
};

}  // namespace kartovex

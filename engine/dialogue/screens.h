#pragma once
// The screens of the console dialogue, exactly as shown.
#include <ostream>

#include "dialogue/run_options.h"

namespace orvandel {

void showTransformationMenu(std::ostream& screen);
void showCoordinateTypeMenu(std::ostream& screen);
void showCentralMeridianPrompt(std::ostream& screen);
void showZonePrompt(std::ostream& screen);
void showTitlePrompt(std::ostream& screen);
void showSummary(std::ostream& screen, const RunOptions& options);
void showConfirmation(std::ostream& screen);
void showClosing(std::ostream& screen);

}  // namespace orvandel

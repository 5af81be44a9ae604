#pragma once
// Texts of the main window's results label.

#include "messages/text.h"

namespace kartovex::results_label {

inline constexpr Text kCompleted{"The conversion has been completed", "La conversion est RÉUSSIE"};
inline constexpr Text kPointsMissed{", BUT one or more points was missed (out of bounds)",
                                    ", MAIS un ou plusieurs points sont manquants (hors limites)"};
inline constexpr Text kNotCompleted{"The conversion was NOT completed",
                                    "La conversion est INCOMPLÈTE"};
// A run the user cancelled: the not-completed text, and why.
inline constexpr Text kCancelled{"The conversion was NOT completed (cancelled)",
                                 "La conversion est INCOMPLÈTE (annulée)"};
inline constexpr Text kNotSupported{"The conversion NOT supported", "La conversion NOT supported"};
// Every label text ends with this.
inline constexpr const char* kEnding = " !";
// After a refused PROCESS.
inline constexpr Text kRefused{"The conversion was NOT completed !",
                               "La transformation est INCOMPLÈTE !"};

}  // namespace kartovex::results_label

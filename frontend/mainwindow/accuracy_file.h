#pragma once
// "Save Accuracy File": LUMBRIX's .NEW file of the run copied to the .ACC
// file. A route without LUMBRIX has no .NEW file; the user is told so and
// the conversion still counts as completed.

#include <string>

#include "input/run_state.h"
#include "messages/messages.h"

namespace kartovex {

enum class AccuracyResult { Copied, NoAccuracyFile, CopyFailed };

namespace accuracy_texts {
inline constexpr Text kTitle{"Accuracy File", "Fichier de précision"};
inline constexpr Text kNoAccuracyFile{
    "This conversion does not produce an accuracy file: no .ACC file was written.",
    "Cette conversion ne produit pas de fichier de précision : aucun fichier .ACC n'a été écrit."};
}  // namespace accuracy_texts

// routeRunsLumbrix: the chain of the route that ran has a LUMBRIX run.
AccuracyResult SaveAccuracyFile(MessageService& messages, const RunState& run,
                                bool routeRunsLumbrix, const std::string& accuracyFile);

}  // namespace kartovex

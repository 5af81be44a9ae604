#include "mainwindow/process_checks.h"

#include "platform/paths.h"

namespace kartovex {

std::string RefusalText(const Refusal& refusal, bool french) {
  std::string text = french ? refusal.text.fr : refusal.text.en;
  if (!refusal.inputFile.empty())
    text += std::string(french ? "\nFichier d'entrée : " : "\nInput file: ") + refusal.inputFile;
  if (!refusal.clashingFile.empty())
    text +=
        std::string(french ? "\nFichier de sortie : " : "\nOutput file: ") + refusal.clashingFile;
  return text;
}

std::optional<Refusal> CheckDelimiter(const FrontEndSettings& settings) {
  if (settings.decimalSeparator == "," && settings.delimiter == settings.decimalSeparator)
    return Refusal{refusals::kDelimiterTitle, refusals::kDelimiter};
  return std::nullopt;
}

std::optional<Refusal> CheckRequest(const ProcessRequest& request, const RunFileNames& names) {
  using namespace refusals;
  // Compared ignoring case: such folders are often shared with disks that
  // do not tell the two names apart.
  if (SameFileName(names.inputFile, names.dataFile))
    return Refusal{kInvalidFileNameTitle, kDataIsInput, names.inputFile, names.dataFile};
  if (SameFileName(names.inputFile, names.reportFile))
    return Refusal{kInvalidFileNameTitle, kReportIsInput, names.inputFile, names.reportFile};
  if (SameFileName(names.inputFile, names.accuracyFile))
    return Refusal{kInvalidFileNameTitle, kAccuracyIsInput, names.inputFile, names.accuracyFile};

  if (request.fromDatum == Datum::None) return Refusal{kMissingTitle, kFromDatum};
  if (request.fromForm == CoordForm::None) return Refusal{kMissingTitle, kFromCoord};
  if (request.toDatum == Datum::None) return Refusal{kMissingTitle, kToDatum};
  if (request.toForm == CoordForm::None) return Refusal{kMissingTitle, kToCoord};

  const ReportBoxes& boxes = request.boxes;
  if (!request.inputFromKeyboard && !boxes.inputFromFile) return Refusal{kMissingTitle, kNoInput};
  if (request.inputFromKeyboard && !PathExists(request.keyboardFile))
    return Refusal{kMissingTitle, kNoKeyboardInput};
  if (boxes.inputFromFile && names.inputFile.empty()) return Refusal{kMissingTitle, kNoInputName};
  if (boxes.inputFromFile && !PathExists(names.inputFile))
    return Refusal{kMissingTitle, kInputMissing};

  if (boxes.report && boxes.reportText.empty()) return Refusal{kMissingTitle, kNoReportName};
  if (boxes.report) {
    const std::string& rep = names.reportFile;
    std::string last4 = rep.size() >= 4 ? ToUpper(rep.substr(rep.size() - 4)) : ToUpper(rep);
    if (last4 != ".REP") return Refusal{kMissingTitle, kReportNotRep};
  }
  return std::nullopt;
}

}  // namespace kartovex

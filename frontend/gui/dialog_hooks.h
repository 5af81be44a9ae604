#pragma once
// How the windows run their modal dialogs and choosers. The defaults show
// real dialogs; tests put in functions that drive them without blocking.

#include <QDialog>
#include <QString>
#include <functional>

namespace kartovex::gui {

// Runs a modal window and returns its result (QDialog::Accepted or Rejected).
using DialogRunner = std::function<int(QDialog&)>;

struct ChooserRequest {
  enum class Kind { OpenFile, SaveFile, Directory };
  Kind kind = Kind::OpenFile;
  QString caption;
  QString cancelText;
  QStringList patterns;  // "*.TXT", "*.*", ...
  QString directory;
  QString fileName;
};

// The chosen path (empty when the chooser was cancelled) and the pattern
// that was selected.
struct ChooserResult {
  QString path;
  QString pattern;
};
using Chooser = std::function<ChooserResult(const ChooserRequest&)>;

DialogRunner DefaultDialogRunner();
Chooser DefaultChooser(QWidget* parent);

}  // namespace kartovex::gui

#include "gui/dialog_hooks.h"

#include <QFileDialog>

namespace kartovex::gui {

DialogRunner DefaultDialogRunner() {
  return [](QDialog& dialog) { return dialog.exec(); };
}

Chooser DefaultChooser(QWidget* parent) {
  return [parent](const ChooserRequest& r) -> ChooserResult {
    QFileDialog dialog(parent, r.caption, r.directory);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setLabelText(QFileDialog::Reject, r.cancelText);
    switch (r.kind) {
      case ChooserRequest::Kind::Directory:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        break;
      case ChooserRequest::Kind::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
      case ChooserRequest::Kind::OpenFile: dialog.setFileMode(QFileDialog::AnyFile); break;
    }
    if (!r.patterns.isEmpty()) {
      QStringList filters;
      for (const QString& p : r.patterns) {
        // The patterns are upper case; the files on this system may not be.
        filters << QString("%1 (%1 %2)").arg(p, p.toLower());
      }
      dialog.setNameFilters(filters);
    }
    if (!r.fileName.isEmpty()) dialog.selectFile(r.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString filter = dialog.selectedNameFilter();
    return {dialog.selectedFiles().front(), filter.left(filter.indexOf(' '))};
  };
}

}  // namespace kartovex::gui

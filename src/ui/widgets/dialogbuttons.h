#pragma once

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;

// The bottom row of the program's dialogs: a help-cursor button ("?": the
// next click on a control shows what it does) at the left, and OK, Cancel
// and Help at the right. OK accepts and Cancel rejects the dialog; Help
// opens the help page of the topic. A topic of 0 leaves out both help buttons.
namespace DialogButtons {

[[nodiscard]] QHBoxLayout *row(QDialog &dialog, int helpTopic);
// The button box of a dialog built with row().
[[nodiscard]] QDialogButtonBox *box(const QDialog &dialog);

} // namespace DialogButtons

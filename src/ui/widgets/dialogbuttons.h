#pragma once

#include <QList>
#include <QStringList>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;

// The bottom row of the program's dialogs: a help-cursor button ("?": the
// next click on a control shows what it does) at the left, and OK, Cancel
// and Help at the right. OK accepts and Cancel rejects the dialog; Help
// opens the help page of the topic. A topic of 0 leaves out both help buttons.
namespace DialogButtons {

[[nodiscard]] QHBoxLayout *row(QDialog &dialog, int helpTopic);
// The button box of a dialog built with row().
[[nodiscard]] QDialogButtonBox *box(const QDialog &dialog);

// OK, Cancel and (for a topic) Help in a button box of their own, without
// the help-cursor button, for dialogs that place the box themselves.
[[nodiscard]] QDialogButtonBox *standardBox(QDialog &dialog, int helpTopic);

// Who answers OK and Cancel: the dialog closes itself (accept/reject), or it
// connects the buttons to answers of its own, e.g. checking what was typed.
enum class Answer { Closes, Own };

struct OkCancel
{
    QDialogButtonBox *box = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    QList<QPushButton *> actions;
};

// A button box of plain push buttons with the dialog's own captions: OK (the
// default button), the action buttons, then Cancel, made in that order so
// Tab walks them the way they are shown.
[[nodiscard]] OkCancel okCancel(QDialog &dialog, const QString &okText, const QString &cancelText,
    Answer answer = Answer::Closes, const QStringList &actions = {});

} // namespace DialogButtons

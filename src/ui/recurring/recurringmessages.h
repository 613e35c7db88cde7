#pragma once

#include <QString>

#include <functional>

class QWidget;

// The message boxes and beeps of the recurring-date dialogs. Boxes go to the
// program's common dialogs; a test may also answer them here directly.
namespace RecurringMessages {

using Handler = std::function<void(QWidget *parent, const QString &text)>;

// A box captioned "Information" with one OK button; "\r" starts a new line.
void ShowInformation(QWidget *parent, const QString &text);
// A failure the user must know about (a list that cannot be read or written).
void ShowError(QWidget *parent, const QString &text);
void Beep();

// Replaces what the calls above do; an empty handler restores the default.
void setInformationHandler(Handler handler);
void setErrorHandler(Handler handler);
void setBeepHandler(std::function<void()> handler);

} // namespace RecurringMessages

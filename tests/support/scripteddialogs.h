#pragma once

// For UI tests only: answers the program's message boxes and common dialogs
// from queues filled by the test, and records what was asked.
#include "widgets/commondialogs.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class ScriptedDialogs : public CommonDialogs
{
public:
    struct Message
    {
        QString kind; // "question", "choice", "information", "warning", "print" or "page setup"
        QString title;
        QString text;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    // Answers, taken front first; an empty queue answers No / Cancel.
    QList<QMessageBox::StandardButton> questionAnswers;
    QStringList openNames;
    QStringList saveNames;
    QList<std::optional<QFont>> fontAnswers; // std::nullopt means "Cancel"
    QList<QColor> colorAnswers; // used as the font colour too
    QList<QColor> colorChoices; // an invalid QColor means "Cancel"
    QList<int> itemChoices; // -1 means "Cancel"
    // The print and page setup dialogs: each answer may change the printer
    // first (the user's choices); an empty queue cancels.
    QList<std::function<bool(QPrinter &)>> printAnswers;
    QList<std::function<bool(QPrinter &)>> pageSetupAnswers;
    QList<bool> optOutAnswers; // the "Do not show this again" box; unticked when empty
    QList<int> choiceAnswers; // the button pressed by its index; -1 (closed) when empty

    // What was asked.
    QList<Message> messages;
    QList<FileRequest> fileRequests;
    int fontRequests = 0;
    QStringList itemRequests; // the labels asked
    FontFaces lastFontFaces = FontFaces::Any;

    QMessageBox::StandardButton question(QWidget *, const QString &title, const QString &text,
        QMessageBox::StandardButtons, QMessageBox::StandardButton defaultButton) override
    {
        messages << Message { QStringLiteral("question"), title, text, defaultButton };
        return questionAnswers.isEmpty() ? QMessageBox::No : questionAnswers.takeFirst();
    }
    int choose(QWidget *, const QString &title, const QString &text, const QStringList &, int) override
    {
        messages << Message { QStringLiteral("choice"), title, text };
        return choiceAnswers.isEmpty() ? -1 : choiceAnswers.takeFirst();
    }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        messages << Message { QStringLiteral("information"), title, text };
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        messages << Message { QStringLiteral("warning"), title, text };
    }
    QString openFileName(QWidget *, const FileRequest &request) override
    {
        fileRequests << request;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(QWidget *, const FileRequest &request) override
    {
        fileRequests << request;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    bool chooseFont(QWidget *, QFont &font, QColor *color, FontFaces faces) override
    {
        ++fontRequests;
        lastFontFaces = faces;
        if (fontAnswers.isEmpty())
            return false;
        const std::optional<QFont> answer = fontAnswers.takeFirst();
        const QColor colorAnswer = colorAnswers.isEmpty() ? QColor() : colorAnswers.takeFirst();
        if (!answer)
            return false;
        font = *answer;
        if (color && colorAnswer.isValid())
            *color = colorAnswer;
        return true;
    }
    bool chooseColor(QWidget *, QColor &color) override
    {
        if (colorChoices.isEmpty())
            return false;
        const QColor answer = colorChoices.takeFirst();
        if (!answer.isValid())
            return false;
        color = answer;
        return true;
    }
    bool chooseItem(
        QWidget *, const QString &, const QString &label, const QStringList &items, int &index) override
    {
        itemRequests << label;
        const int answer = itemChoices.isEmpty() ? -1 : itemChoices.takeFirst();
        if (answer < 0 || answer >= items.size())
            return false;
        index = answer;
        return true;
    }
    bool print(QWidget *, QPrinter &printer) override
    {
        messages << Message { QStringLiteral("print"), QString(), QString() };
        return !printAnswers.isEmpty() && printAnswers.takeFirst()(printer);
    }
    bool pageSetup(QWidget *, QPrinter &printer) override
    {
        messages << Message { QStringLiteral("page setup"), QString(), QString() };
        return !pageSetupAnswers.isEmpty() && pageSetupAnswers.takeFirst()(printer);
    }
    bool informationWithOptOut(QWidget *, const QString &title, const QString &text) override
    {
        messages << Message { QStringLiteral("information"), title, text };
        return !optOutAnswers.isEmpty() && optOutAnswers.takeFirst();
    }
};

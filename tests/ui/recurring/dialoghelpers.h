#pragma once

// Answering the recurring-date dialogs' message boxes, beeps and nested
// modal dialogs from a test.
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

#include "recurring/recurringmessages.h"

// Records the messages and beeps while it lives, instead of showing boxes.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        RecurringMessages::setInformationHandler(
            [this](QWidget *, const QString &text) { information << text; });
        RecurringMessages::setErrorHandler([this](QWidget *, const QString &text) { errors << text; });
        RecurringMessages::setBeepHandler([this] { ++beeps; });
    }
    ~MessageRecorder()
    {
        RecurringMessages::setInformationHandler({});
        RecurringMessages::setErrorHandler({});
        RecurringMessages::setBeepHandler({});
    }
    QStringList information;
    QStringList errors;
    int beeps = 0;
};

// Runs the answer on the next modal dialog of that class once it is shown.
template <typename Dialog> void answerNextDialog(std::function<void(Dialog &)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start();
}

// A click on a list row, as the user toggles it.
inline void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Saves a picture of the widget when DW_SCREENSHOT_DIR names a folder, for looking at.
inline QImage screenshot(QWidget *widget, const QString &name)
{
    const QImage image = widget->grab().toImage();
    const QString folder = qEnvironmentVariable("DW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}

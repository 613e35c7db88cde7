#include "recurring/recurringmessages.h"

#include "widgets/commondialogs.h"

#include <QApplication>

namespace RecurringMessages {

namespace {

Handler &informationHandler()
{
    static Handler handler;
    return handler;
}

Handler &errorHandler()
{
    static Handler handler;
    return handler;
}

std::function<void()> &beepHandler()
{
    static std::function<void()> handler;
    return handler;
}

QString shown(const QString &text)
{
    QString lines = text;
    return lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

void ShowInformation(QWidget *parent, const QString &text)
{
    if (informationHandler())
        informationHandler()(parent, text);
    else
        CommonDialogs::ShowInformation(parent, shown(text));
}

void ShowError(QWidget *parent, const QString &text)
{
    if (errorHandler())
        errorHandler()(parent, text);
    else
        CommonDialogs::current().warning(parent, QStringLiteral("Datewright"), shown(text));
}

void Beep()
{
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void setInformationHandler(Handler handler)
{
    informationHandler() = std::move(handler);
}

void setErrorHandler(Handler handler)
{
    errorHandler() = std::move(handler);
}

void setBeepHandler(std::function<void()> handler)
{
    beepHandler() = std::move(handler);
}

} // namespace RecurringMessages

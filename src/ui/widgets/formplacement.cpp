#include "widgets/formplacement.h"

#include "platform/inifile.h"
#include "platform/windowplacement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

QPointer<QWidget> g_mainWindow;

QScreen *screenOf(const QWidget *form)
{
    return form->screen() ? form->screen() : QGuiApplication::primaryScreen();
}

QString sectionFor(const QWidget *form)
{
    const int ppi = qRound(screenOf(form)->logicalDotsPerInch());
    return WindowPlacement::sectionName(QString::fromLatin1(form->metaObject()->className()), ppi);
}

} // namespace

namespace FormPlacement {

void setMainWindow(QWidget *mainWindow)
{
    g_mainWindow = mainWindow;
}

QWidget *mainWindow()
{
    return g_mainWindow;
}

void CenterForm(QWidget *form)
{
    // A window not shown yet has no real size unless one was given: take
    // the size its layout will give it.
    if (!form->isVisible() && !form->testAttribute(Qt::WA_Resized))
        form->adjustSize();
    const QSize size = form->size();
    QRect area;
    if (form == g_mainWindow || !g_mainWindow || g_mainWindow->isMaximized())
        area = screenOf(form)->geometry();
    else
        area = g_mainWindow->geometry();
    // Integer halves truncate toward zero, as everywhere else on the page.
    form->move(
        area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

bool RestoreWindowPlacement(QWidget *form, IniFile &ini)
{
    const QString section = sectionFor(form);
    WindowPlacement placement;
    placement.load(ini, section, form->isMaximized());
    if (placement.hasRectangle())
        form->setGeometry(placement.fittedTo(screenOf(form)->geometry().size()));
    else
        CenterForm(form);
    if (placement.maximized)
        form->setWindowState(form->windowState() | Qt::WindowMaximized);
    return SaveWindowPlacement(form, ini);
}

bool SaveWindowPlacement(const QWidget *form, IniFile &ini)
{
    const QRect normal
        = form->isMaximized() && form->normalGeometry().isValid() ? form->normalGeometry() : form->geometry();
    WindowPlacement placement;
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    placement.maximized = form->isMaximized();
    return placement.save(ini, sectionFor(form));
}

} // namespace FormPlacement

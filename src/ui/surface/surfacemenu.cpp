#include "surface/surfacemenu.h"

#include "surface/commandpictures.h"
#include "surface/surfaceclipboard.h"
#include "surface/vbasepanel.h"
#include "surface/vhandle.h"

#include "widgets/commondialogs.h"

#include "objects/vgraphiccontrol.h"

#include <QMenu>

#include <algorithm>
#include <climits>

SurfaceMenu::SurfaceMenu(TVBasePanel *surface)
    : QObject(surface)
    , m_surface(surface)
    , m_menu(new QMenu(surface))
{
    m_menu->setObjectName(QStringLiteral("SurfaceMenu"));
    m_needSelection << add("Bring To Front", &SurfaceMenu::bringToFront)
                    << add("Send To Back", &SurfaceMenu::sendToBack);
    m_menu->addSeparator();
    m_needSelection << add("Cut", [](SurfaceMenu &m) { m.m_surface->clipboard().cut(); })
                    << add("Copy", [](SurfaceMenu &m) { m.m_surface->clipboard().copy(); });
    m_paste = add("Paste", [](SurfaceMenu &m) { m.m_surface->clipboard().paste(); });
    m_menu->addSeparator();
    m_needSelection << add("Delete", [](SurfaceMenu &m) { m.m_surface->deleteSelection(); });
    m_menu->addSeparator();
    m_needSelection << add("Align Left", [](SurfaceMenu &m) { m.align(Edge::Left); })
                    << add("Align Right", [](SurfaceMenu &m) { m.align(Edge::Right); })
                    << add("Align Tops", [](SurfaceMenu &m) { m.align(Edge::Top); })
                    << add("Align Bottoms", [](SurfaceMenu &m) { m.align(Edge::Bottom); });
    m_menu->addSeparator();
    m_needSelection << add("Center Vertically", &SurfaceMenu::centerVertically)
                    << add("Center Horizontally", &SurfaceMenu::centerHorizontally);
    m_menu->addSeparator();
    m_needChildren << add("Lock All", [](SurfaceMenu &m) { m.setAllLocked(true); })
                   << add("Unlock All", [](SurfaceMenu &m) { m.setAllLocked(false); });
    m_menu->addSeparator();
    add("Mark All Selectable", [](SurfaceMenu &m) { m.setAllUnselectable(false); });
    add("Mark All Unselectable", [](SurfaceMenu &m) { m.setAllUnselectable(true); });
    add("Select All", &SurfaceMenu::selectAll);
    m_menu->addSeparator();
    m_needSelection << add("Font", &SurfaceMenu::chooseFont);
    connect(m_menu, &QMenu::aboutToShow, this, &SurfaceMenu::updateEnabling);
}

SurfaceMenu::~SurfaceMenu() = default;

QAction *SurfaceMenu::add(const char *caption, std::function<void(SurfaceMenu &)> command)
{
    QAction *action = m_menu->addAction(QString::fromLatin1(caption));
    CommandPictures::apply(action);
    connect(action, &QAction::triggered, this, [this, command, name = action->text()] {
        m_surface->nameNextChange(name);
        command(*this);
    });
    return action;
}

void SurfaceMenu::popup(const QPoint &globalAt)
{
    updateEnabling();
    m_menu->popup(globalAt);
}

int SurfaceMenu::childControlCount() const
{
    // The frame is always one; the page's own editor counts like any control.
    int count = 1 + int(m_surface->objects().size());
    for (const QWidget *child : m_surface->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        count += child->isWindow() ? 0 : 1;
    return count;
}

void SurfaceMenu::updateEnabling()
{
    const bool selected = m_surface->handle().SelectionCount() > 0;
    for (QAction *action : std::as_const(m_needSelection))
        action->setEnabled(selected);
    m_paste->setEnabled(SurfaceClipboard::canPaste());
    const bool children = childControlCount() > 1;
    for (QAction *action : std::as_const(m_needChildren))
        action->setEnabled(children);
}

QList<TVGraphicControl *> SurfaceMenu::selection() const
{
    const auto &list = m_surface->handle().selection();
    return QList<TVGraphicControl *>(list.begin(), list.end());
}

void SurfaceMenu::bringToFront()
{
    if (selection().isEmpty())
        return;
    m_surface->handle().BringSelectionToFront();
    m_surface->NotifyChanged();
}

void SurfaceMenu::sendToBack()
{
    if (selection().isEmpty())
        return;
    m_surface->handle().SendSelectionToBack();
    m_surface->handle().ClearSelection();
    m_surface->NotifyChanged();
}

void SurfaceMenu::align(Edge edge)
{
    const QList<TVGraphicControl *> list = selection();
    if (list.isEmpty())
        return;
    m_surface->NotifyChanged();
    // Bounds at scale 1 are compared and set; the display follows.
    int target = edge == Edge::Left || edge == Edge::Top ? INT_MAX : INT_MIN;
    for (const TVGraphicControl *o : list) {
        const int value = edge == Edge::Left ? o->left()
            : edge == Edge::Top              ? o->top()
            : edge == Edge::Right            ? o->left() + o->width()
                                             : o->top() + o->height();
        target = edge == Edge::Left || edge == Edge::Top ? std::min(target, value) : std::max(target, value);
    }
    for (TVGraphicControl *o : list) {
        if (edge == Edge::Left)
            o->setLeft(target);
        else if (edge == Edge::Top)
            o->setTop(target);
        else if (edge == Edge::Right)
            o->setLeft(target - o->width());
        else
            o->setTop(target - o->height());
    }
    m_surface->update();
}

void SurfaceMenu::centerVertically()
{
    for (TVGraphicControl *o : selection())
        m_surface->centerObject(*o, Qt::Vertical);
}

void SurfaceMenu::centerHorizontally()
{
    for (TVGraphicControl *o : selection())
        m_surface->centerObject(*o, Qt::Horizontal);
}

void SurfaceMenu::setAllLocked(bool locked)
{
    for (TVGraphicControl *o : m_surface->objects())
        o->setLocked(locked);
}

void SurfaceMenu::setAllUnselectable(bool unselectable)
{
    for (TVGraphicControl *o : m_surface->objects())
        o->setUnselectable(unselectable);
}

void SurfaceMenu::selectAll()
{
    TVHandle &handle = m_surface->handle();
    handle.ClearSelection();
    for (TVGraphicControl *o : m_surface->objects())
        handle.AddToSelection(o);
    handle.releaseCapture();
}

void SurfaceMenu::chooseFont()
{
    if (selection().isEmpty())
        return;
    // The dialog starts from the surface's font, not from any object's.
    CalendarFont font;
    const QFont shown = m_surface->font();
    font.name = shown.family();
    font.size = std::max(1, shown.pointSize());
    if (!CommonDialogs::chooseCalendarFont(m_surface, font))
        return;
    // Text kinds hug their text in the new font; the frame follows.
    for (TVGraphicControl *o : selection()) {
        o->applyFont(font);
        o->layOut();
    }
}

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QMenu;
class QPoint;
class TVBasePanel;
class TVGraphicControl;

// The context menu of one placed object, built afresh each time it opens so
// its check marks show the object as it is now. Its commands act on the whole
// selection when the object is selected and on the object alone otherwise.
class ObjectMenu : public QObject
{
    Q_OBJECT

public:
    // Appends a kind's own entries after the common ones (set by the kinds'
    // dialogs; none until then).
    using KindEntries = std::function<void(QMenu &, TVGraphicControl &)>;

    explicit ObjectMenu(TVBasePanel *surface);

    void setKindEntries(KindEntries entries) { m_kindEntries = std::move(entries); }
    // The menu for the object, parented on the surface; the caller shows it.
    [[nodiscard]] QMenu *build(TVGraphicControl &object);
    void popup(TVGraphicControl &object, const QPoint &globalAt);

    // Cut, copy and delete from the object's menu.
    enum class Command { Cut, Copy, Delete };
    void objectCommand(TVGraphicControl &object, Command command);
    // A copy 25 pixels below, on top; the selection moves to it.
    void clone(TVGraphicControl &object);

private:
    void addCommon(QMenu &menu, const QPointer<TVGraphicControl> &object);

    TVBasePanel *m_surface;
    KindEntries m_kindEntries;
};

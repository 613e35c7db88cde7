#pragma once

// Pascal-case members are the program's documented names.

#include "document/documenthistory.h"
#include <QCursor>

#include <QRect>
#include <QWidget>

#include <functional>

class ObjectMenu;
class QMenu;
class SurfaceClipboard;
class TComponent;
class TVGraphicControl;
class TVHandle;
class SurfaceMenu;

// The design surface placed objects live on. It holds the display scale, the
// tool state, the objects it shows (the children of a component the document
// owns, bottom to top) and the selection frame; it routes the mouse and keys
// to the frame, to the objects and to its own rubber band, and reports every
// change of an object. The calendar page widget draws the calendar as its
// background.
class TVBasePanel : public QWidget
{
    Q_OBJECT

public:
    explicit TVBasePanel(QWidget *parent = nullptr);
    ~TVBasePanel() override;

    [[nodiscard]] float scale() const { return m_scale; }
    // Rescales the surface; an equal scale changes nothing.
    virtual void SetScale(float scale);

    [[nodiscard]] bool pointing() const { return m_pointing; }
    void setPointing(bool pointing) { m_pointing = pointing; }
    // Shown over the surface while a placing tool is in use.
    [[nodiscard]] const QCursor &placingCursor() const { return m_placingCursor; }
    void setPlacingCursor(const QCursor &cursor) { m_placingCursor = cursor; }
    [[nodiscard]] bool suspendPainting() const { return m_suspendPainting; }
    void setSuspendPainting(bool suspend);
    // While loading or printing, changes of objects are not reported.
    void setLoading(bool loading) { m_loading = loading; }
    void setPrinting(bool printing) { m_printing = printing; }

    // The component whose children are the objects shown (and whose
    // components they are); null for none. The surface changes them only
    // through their own setters and frees them only on the user's command.
    void setPlacedObjects(TComponent *objects);
    [[nodiscard]] const TComponent *placedObjects() const { return m_objects; }
    // The component new objects belong to; null when the surface shows none.
    [[nodiscard]] TComponent *objectOwner() const { return m_objects; }
    [[nodiscard]] TVHandle &handle() const { return *m_handle; }
    [[nodiscard]] SurfaceClipboard &clipboard() const { return *m_clipboard; }
    [[nodiscard]] SurfaceMenu &surfaceMenu() const { return *m_menu; }
    // Milliseconds for the click, drag-start and paste thresholds; tests step it.
    void setClock(const std::function<qint64()> &clock);

    // The topmost placed object at the point (surface pixels); nullptr when none.
    [[nodiscard]] TVGraphicControl *objectAt(const QPoint &point) const;
    // Whether a placed object covers the point (surface pixels).
    [[nodiscard]] virtual bool ObjectAtPoint(const QPoint &point) const;
    // Whether a press at the point belongs to an object or the frame.
    [[nodiscard]] bool pressTakenAt(const QPoint &point) const;

    // Adds a new object in r (surface pixels); it is not selected.
    void PlaceObject(TVGraphicControl *object, QRect r);
    // prefix + the smallest free number from 1 to 1000; empty when none is free.
    [[nodiscard]] QString UniqueObjectName(const QString &prefix) const;
    // Routes an object's changes to the surface; safe to repeat.
    void HookObjectEvents(TVGraphicControl *object);
    void HookAllObjects();
    void NotifyChanged();
    // What the changes the user's current action makes are called in the
    // undo history ("Move", "Align Left"). Each press or key starts without
    // a name; the window takes the name with the first change it is told of.
    void nameNextChange(const QString &name, DocumentHistory::Burst burst = DocumentHistory::NoBurst);
    struct ChangeName
    {
        QString name;
        DocumentHistory::Burst burst = DocumentHistory::NoBurst;
    };
    [[nodiscard]] ChangeName takeChangeName();
    void DeleteAllObjects();
    // Frees the selected objects, the last selected first.
    void deleteSelection();
    // Centres the object on the surface across the orientation's axis.
    void centerObject(TVGraphicControl &object, Qt::Orientation orientation);

    // A double-click on a selected object runs its kind's edit step when the
    // kind has one (the hook answers true), else opens the object's menu.
    // Set by the kinds' editors; until then every double-click opens the menu.
    using EditEvent = std::function<bool(TVGraphicControl &)>;
    void setEditEvent(EditEvent event) { m_editEvent = std::move(event); }
    [[nodiscard]] ObjectMenu &objectMenu() const { return *m_objectMenu; }

    [[nodiscard]] QList<TVGraphicControl *> objects() const;
    [[nodiscard]] QMenu *contextMenu() const;

signals:
    void scaleChanged(float scale);
    // LabelChangedEvent: an object or the arrangement changed.
    void labelChanged();
    // DroppedObjectEvent: a placing rectangle was handed to the page.
    void droppedObject(const QRect &r);

protected:
    // A placing rectangle was completed (surface pixels, normalised); the
    // calendar page creates the object.
    virtual void RectangleDrawn(QRect &r);
    // Grips, feedback and the rubber band over whatever the surface drew.
    void paintOverlays(QPainter &painter) const;

    // Every key, Tab included, reaches the surface and its editor.
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    friend class SurfaceMenu;
    void objectPressed(TVGraphicControl *object, QMouseEvent *event);
    void framePressed(const QPoint &at);
    void backgroundPressed(QMouseEvent *event);
    void finishRubberBand(const QPoint &at, Qt::KeyboardModifiers modifiers);
    void selectInRectangle(const QRect &r, bool shift);
    void popupContextMenu(const QPoint &at);
    void popupObjectMenu(TVGraphicControl *object, const QPoint &at);
    // Ctrl+C, Ctrl+V, Ctrl+X and Delete (never with Ctrl).
    bool clipboardKey(int key, Qt::KeyboardModifiers modifiers);
    void dropUnselectable();
    [[nodiscard]] QRect rubberBandRect() const;

    float m_scale = 1.0f;
    bool m_pointing = true;
    QCursor m_placingCursor { Qt::CrossCursor };
    bool m_suspendPainting = false;
    bool m_rescaling = false;
    bool m_loading = false;
    bool m_printing = false;
    TComponent *m_objects = nullptr;
    TVHandle *m_handle;
    SurfaceMenu *m_menu;
    SurfaceClipboard *m_clipboard;
    ObjectMenu *m_objectMenu;
    EditEvent m_editEvent;
    bool m_banding = false;
    QPoint m_bandStart;
    QPoint m_bandEnd;
    Qt::KeyboardModifiers m_pressModifiers;
    ChangeName m_changeName;
};

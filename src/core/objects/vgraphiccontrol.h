#pragma once

// Pascal-case members are the program's documented names and stay as
// documented; everything else follows Qt naming.

#include "base/calendarfont.h"
#include "base/rect.h"

#include "stream/component.h"

#include <QObject>
#include <QRect>
#include <QString>

class QPainter;

// What every placed object shares: position and size at the display scale in
// force, the common record properties, the bounds check that reports moves
// and resizes, the rescaling of its bounds and its drawing onto any painter.
// Menus and mouse handling are added by the surface, which listens to the
// signals.
//
// The record side comes from TComponent: the owner frees the object, the
// parent's children() is the stacking order. The QObject side only carries
// the signals; its own parent and children stay unused.
class TVGraphicControl : public QObject, public TComponent
{
    Q_OBJECT

public:
    explicit TVGraphicControl(TComponent *owner = nullptr);
    ~TVGraphicControl() override;

    using TComponent::children;
    using TComponent::parent;
    using TComponent::setParent;

    [[nodiscard]] int left() const { return m_left; }
    [[nodiscard]] int top() const { return m_top; }
    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }
    void setLeft(int left) { setBounds(left, m_top, m_width, m_height); }
    void setTop(int top) { setBounds(m_left, top, m_width, m_height); }
    void setWidth(int width) { setBounds(m_left, m_top, width, m_height); }
    void setHeight(int height) { setBounds(m_left, m_top, m_width, height); }
    // Moves and resizes; a change runs the bounds check unless reading.
    void setBounds(int left, int top, int width, int height);
    // (left, top, left + width, top + height).
    [[nodiscard]] TRect boundsRect() const;

    [[nodiscard]] int cursor() const { return m_cursor; }
    void setCursor(int cursor) { m_cursor = cursor; }
    [[nodiscard]] const QString &hint() const { return m_hint; }
    void setHint(const QString &hint) { m_hint = hint; }
    [[nodiscard]] bool locked() const { return m_locked; }
    void setLocked(bool locked);
    [[nodiscard]] bool unselectable() const { return m_unselectable; }
    void setUnselectable(bool unselectable);

    // The zoom at which the current bounds are expressed.
    [[nodiscard]] float displayScale() const { return m_scale; }
    // Rescales the bounds from the current display scale to x.
    void applyScale(float x);
    // Takes x as the scale of the current bounds without resizing (objects
    // placed or pasted are already in the surface's pixels).
    void adoptScale(float x) { m_scale = x; }

    [[nodiscard]] const TRect &lastKnownBounds() const { return m_lastKnown; }
    // Bounds read from a file are where the object starts: the first move
    // after opening is a change like any other.
    void loaded() override;

    // What the object covers at a zoom, worked out from its bounds at scale 1
    // each time, so showing it at any zoom never moves or resizes it.
    [[nodiscard]] QRect displayRect(float scale) const;
    // Draws the object at displayRect(scale); scale is device pixels per page
    // pixel (the zoom, times the device's resolution over 96 for printers).
    // The screen, picture export, PDF and the command line all come here.
    // Every kind draws itself; the base has nothing of its own to show.
    virtual void paint(QPainter &painter, float scale) const;
    // Stores what the kind's layout changes in its own bounds at the display
    // scale (the text kinds hug their text). Drawing never stores anything:
    // paint() draws the adjusted size whether or not this ran, and the
    // surface runs it before painting so hit tests and frames agree.
    virtual void layOut() { }

    // Centre on a surface of the given height (width).
    void centerVertically(int surfaceHeight);
    void centerHorizontally(int surfaceWidth);

    // Setters store without reporting while the object is read from a stream.
    [[nodiscard]] bool isStreaming() const { return isReading() || isLoading(); }

    // --- record ---------------------------------------------------------------
    // Tag, Left, Top, Width, Height, Cursor, Hint, Locked, Unselectable.
    [[nodiscard]] const RecordTable &records() const override;

    // The surface's "Font" command; kinds that show text take it.
    virtual void applyFont(const CalendarFont &font);

    void notifyModified();

    // What a setter's change sets off, in this order: the kind's layout is
    // marked stale, the object repaints, the document hears of the change.
    enum Effect : quint8 { Relayout = 1, Repaint = 2, Modified = 4 };
    Q_DECLARE_FLAGS(Effects, Effect)

signals:
    // Something stored in the document changed (the surface's change
    // notification; it drops these while printing, rescaling or loading).
    void modified();
    // The bounds changed after the first time; the selection frame refits.
    void frameRefitRequested();
    // The object needs painting again.
    void repaintRequested();
    // The object has just become unselectable; the surface drops it from the
    // selection.
    void unselectableSet();

protected:
    // The setters' body: stores value when it differs from field and runs the
    // effects; false when nothing changed.
    template <typename T> bool assign(T &field, const T &value, Effects effects = Repaint)
    {
        if (field == value)
            return false;
        field = value;
        changed(effects);
        return true;
    }
    void changed(Effects effects);
    // Kinds that lay out their contents mark the layout stale.
    virtual void invalidateLayout() { }
    // Runs after every change of bounds (except while reading) and after
    // rescaling. Kinds extend it.
    virtual void boundsChanged();
    void invalidate() { emit repaintRequested(); }
    // Moves and resizes without running the bounds check.
    void storeBounds(int left, int top, int width, int height);
    // Printers and PDF, where some kinds leave out what only helps on screen.
    [[nodiscard]] static bool isPaper(const QPainter &painter);
    // A black frame one device pixel wide just inside rect, drawn as fills
    // so a PDF page puts it on the pixels the screen does.
    static void paintFrame(QPainter &painter, const QRect &rect);

private:
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int m_cursor = 0;
    QString m_hint;
    bool m_locked = false;
    bool m_unselectable = false;
    float m_scale = 1.0f;
    TRect m_lastKnown;
    bool m_inBoundsCheck = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TVGraphicControl::Effects)

// Rounds to the nearest integer, ties to even.
[[nodiscard]] int roundHalfEven(long double value);

#pragma once

// Pascal-case members are the program's documented names.

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;
class TVBasePanel;
class TVGraphicControl;

// The selection frame of a design surface: the ordered selection, the frame
// around it with its grips, and the drags and arrow keys that move and resize
// the selection. It is no widget of its own: the surface hands it the mouse
// and keys over the frame and draws it as an overlay. All coordinates are the
// surface's display pixels; objects keep their bounds at scale 1, so every
// move or resize is divided back by the zoom once, when it is applied.
class TVHandle : public QObject
{
    Q_OBJECT

public:
    // Milliseconds from any fixed start; tests drive it instead of sleeping.
    using Clock = std::function<qint64()>;

    // Grip codes: 0 moves, 1-4 corners (tl, tr, bl, br), 5-8 edge middles
    // (top, left, bottom, right).
    enum { MoveGrip = 0 };

    explicit TVHandle(TVBasePanel *surface);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    [[nodiscard]] const Clock &clock() const { return m_clock; }

    // Unselectable objects, null and objects already selected are refused.
    void AddToSelection(TVGraphicControl *object);
    void RemoveFromSelection(TVGraphicControl *object);
    void ClearSelection();
    [[nodiscard]] int SelectionCount() const { return int(m_selection.size()); }
    [[nodiscard]] TVGraphicControl *SelectedObject(int index) const;
    [[nodiscard]] int IndexOfSelected(const TVGraphicControl *object) const;
    [[nodiscard]] const std::vector<TVGraphicControl *> &selection() const { return m_selection; }
    // Puts the frame around the selection again after objects changed.
    void RefitFrame();
    void BringSelectionToFront();
    void SendSelectionToBack();

    [[nodiscard]] bool isShown() const { return m_shown; }
    [[nodiscard]] const QRect &frame() const { return m_frame; }
    [[nodiscard]] bool frameContains(const QPoint &at) const { return m_shown && m_frame.contains(at); }
    // A selected object whose bounds, widened by margin, hold the point.
    [[nodiscard]] TVGraphicControl *selectedObjectNear(const QPoint &at, int margin) const;

    [[nodiscard]] int gridX() const { return m_pitchX; }
    [[nodiscard]] int gridY() const { return m_pitchY; }
    void setGridX(int pitch);
    void setGridY(int pitch);
    [[nodiscard]] bool snapToGrid() const { return m_pitchX > 1 || m_pitchY > 1; }
    void setSnapToGrid(bool snap);

    // Mouse over the frame (or captured by it), surface coordinates. false:
    // the event is not the frame's and goes to what lies beneath.
    bool mousePress(const QPoint &at, Qt::MouseButton button);
    void mouseMove(const QPoint &at, Qt::MouseButtons buttons);
    bool mouseRelease(const QPoint &at, Qt::MouseButton button);
    void mouseLeft();
    void doubleClicked() { m_doubleClicked = true; }
    [[nodiscard]] bool hasCapture() const { return m_captured; }
    void releaseCapture()
    {
        m_captured = false;
        m_lastPress = 0;
    }
    [[nodiscard]] bool isDragging() const { return m_dragging; }
    [[nodiscard]] int activeGrip() const { return m_grip; }

    // Arrow keys: true when the key was one of them.
    bool keyPress(int key, bool shift);
    void keyRelease();

    // Grips, drag feedback and the keyboard tracking rectangle.
    void paint(QPainter &painter) const;

signals:
    // A left press started a drag (the surface's Shift-click handling).
    void pressed(const QPoint &at);
    // A right press the frame does not use itself; object is the selected
    // object under it when exactly one is selected.
    void contextMenuRequested(const QPoint &at, TVGraphicControl *object);

private:
    [[nodiscard]] qint64 now() const { return m_clock(); }
    [[nodiscard]] QRect unionOfSelection() const;
    void setFrameAround(const QRect &objects);
    [[nodiscard]] int gripAt(const QPoint &local) const;
    void setGripCursor(int grip);
    [[nodiscard]] QPoint limited(const QPoint &local) const;
    [[nodiscard]] QRect draggedFrame(const QPoint &local) const;
    [[nodiscard]] int snapX(int v) const { return v / m_pitchX * m_pitchX; }
    [[nodiscard]] int snapY(int v) const { return v / m_pitchY * m_pitchY; }
    void moveFrameTo(const QRect &frame);
    void moveObject(TVGraphicControl &object, const QRect &delta) const;
    void startTracking();
    void endDrag();
    void hide();

    TVBasePanel *m_surface;
    Clock m_clock;
    std::vector<TVGraphicControl *> m_selection;
    QRect m_frame { 0, 0, 24, 24 };
    bool m_shown = false;
    int m_gridX = 8;
    int m_gridY = 8;
    int m_pitchX = 1;
    int m_pitchY = 1;
    qint64 m_lastPress = 0;
    bool m_captured = false;
    bool m_dragging = false;
    QPoint m_dragStart;
    int m_grip = MoveGrip;
    QRect m_feedback; // the frame the drag would give; null when none
    bool m_tracking = false;
    QRect m_tracked; // edges inclusive: (left, top)-(right, bottom)
    bool m_doubleClicked = false;
};

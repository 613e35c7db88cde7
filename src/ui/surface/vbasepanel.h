#pragma once

#include <QWidget>

class TComponent;
class TVGraphicControl;

// The design surface placed objects live on. It holds the display scale, the
// tool state and the objects it shows (the children of a component the
// document owns, bottom to top); the calendar page widget draws the calendar
// as its background.
class TVBasePanel : public QWidget
{
    Q_OBJECT

public:
    explicit TVBasePanel(QWidget *parent = nullptr);

    [[nodiscard]] float scale() const { return m_scale; }
    // Rescales the surface; an equal scale changes nothing.
    virtual void SetScale(float scale);

    [[nodiscard]] bool pointing() const { return m_pointing; }
    void setPointing(bool pointing) { m_pointing = pointing; }
    [[nodiscard]] bool suspendPainting() const { return m_suspendPainting; }
    void setSuspendPainting(bool suspend);

    // The component whose children are the objects shown; null for none.
    // The surface neither owns nor changes them.
    void setPlacedObjects(const TComponent *objects);
    [[nodiscard]] const TComponent *placedObjects() const { return m_objects; }

    // The topmost placed object at the point (surface pixels); nullptr when none.
    [[nodiscard]] TVGraphicControl *objectAt(const QPoint &point) const;
    // Whether a placed object covers the point (surface pixels).
    [[nodiscard]] virtual bool ObjectAtPoint(const QPoint &point) const;

signals:
    void scaleChanged(float scale);

protected:
    // Every key, Tab included, reaches the surface and its editor.
    bool focusNextPrevChild(bool next) override;

private:
    float m_scale = 1.0f;
    bool m_pointing = true;
    bool m_suspendPainting = false;
    const TComponent *m_objects = nullptr;
};

#pragma once

#include <QWidget>

// The design surface placed objects live on. It holds the display scale and
// the tool state; the calendar page widget draws the calendar as its
// background.
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

    // Whether a placed object covers the point (surface pixels). The surface
    // has no placed objects of its own yet, so nothing covers any point.
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
};

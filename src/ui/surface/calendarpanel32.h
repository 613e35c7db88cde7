#pragma once

#include "surface/vbasepanel.h"

#include "calendar/calendarpage.h"

#include <functional>
#include <memory>

class CalendarDocument;

// The calendar page as a widget: shows the page with its placed objects at
// the surface's scale, sizes itself to the page and turns mouse clicks that
// start and end off every object into the page's cell and header events.
class TCalendarPanel32 : public TVBasePanel
{
    Q_OBJECT

public:
    // document: one the caller keeps alive for as long as the widget; the
    // widget makes its own when none is given (the properties preview).
    explicit TCalendarPanel32(QWidget *parent = nullptr, CalendarDocument *document = nullptr);
    ~TCalendarPanel32() override;

    [[nodiscard]] CalendarDocument &document() { return *m_document; }
    [[nodiscard]] CalendarPage &page() { return *m_page; }
    [[nodiscard]] const CalendarPage &page() const { return *m_page; }

    void SetScale(float scale) override;
    // Day cells exist only on a shown month grid or planner.
    [[nodiscard]] bool HasDayCells() const;

    // The step a newly placed object of each kind opens (the label's text,
    // the picture choice, the SuperText properties, the rich-text editor).
    // Those dialogs belong to the kinds; until one is set, placing ends with
    // the object as the tool made it.
    using EditStep = std::function<void(TVGraphicControl &)>;
    void setEditStep(EditStep step) { m_editStep = std::move(step); }

    // The font text typed into a new text object starts in: the one an
    // empty day cell starts in.
    [[nodiscard]] const CalendarFont &defaultTextFont() const { return m_defaultTextFont; }
    void setDefaultTextFont(const CalendarFont &font) { m_defaultTextFont = font; }

protected:
    // Creates the kind of the placing tool in r and puts the tool down.
    void RectangleDrawn(QRect &r) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // A text editor opened over the page (the cell editor) gets a focus
    // outline around it; its showing, hiding and moving repaint the page.
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToPage();
    void applyPanelState(TLPanelState state);
    void paintEditorOutlines(QPainter &painter) const;
    void keepOnPage(TVGraphicControl &object);

    EditStep m_editStep;
    CalendarFont m_defaultTextFont;
    bool m_placing = false;
    std::unique_ptr<CalendarDocument> m_ownDocument;
    CalendarDocument *m_document;
    CalendarPage *m_page;
    bool m_painting = false;
    bool m_pressed = false; // a left press off every object, not yet released
    bool m_overrideCursor = false;
};

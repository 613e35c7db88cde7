#pragma once

// Pascal-case object names are the dialog's documented control names.

#include "base/calendarfont.h"

#include <QDialog>

#include <optional>

class QAction;
class QScrollArea;
class TVPRichBaseLabel;
class TWPRichText;
class TWPToolBar;

// "Rich Text Editor": a rich-text label's text on a page exactly as large as
// the label at 100%, shown at the surface's zoom, with the day cells' tool
// bar and two zoom buttons that step the view by 10% between 50% and 100%.
class TRichTextLabelEditor : public QDialog
{
    Q_OBJECT

public:
    explicit TRichTextLabelEditor(QWidget *parent = nullptr);

    [[nodiscard]] TWPRichText &editor() const { return *m_editor; }
    [[nodiscard]] QWidget &panel() const { return *m_panel; }
    [[nodiscard]] TWPToolBar &toolBar() const { return *m_toolBar; }

    // Takes the label's text and colour, and its size as the surface shows
    // it at a zoom.
    void loadLabel(const TVPRichBaseLabel &label, float zoom);
    // The font typing starts in when the label has no text yet.
    void setStartFont(const CalendarFont &font) { m_startFont = font; }

    // The "Edit" command and double-click on a surface at a zoom: on OK the
    // label takes the text. True on OK.
    static bool editRichText(TVPRichBaseLabel &label, float zoom, QWidget *parent = nullptr,
        const std::optional<CalendarFont> &startFont = std::nullopt);

    void zoomIn();
    void zoomOut();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // What the zoom buttons scale from: the panel and zoom when first shown.
    void rememberStart();
    void applyZoom(int zoom);

    TWPToolBar *m_toolBar = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_panel = nullptr;
    TWPRichText *m_editor = nullptr;
    QSize m_startSize;
    int m_startZoom = 0;
    std::optional<CalendarFont> m_startFont;
};

#pragma once

#include "base/calendarfont.h"
#include "base/rect.h"

#include <QObject>
#include <QPointer>

class QAction;
class QImage;
class QKeyEvent;
class QMimeData;
class QPoint;
class TCalendarPanel32;
class TWPRichText;
class TWPRtfStorage;
class TWPToolBar;

// Lays the main window's cell editor over a day cell, loads the cell's
// text, and stores it back when editing ends. Also moves the editor from
// cell to cell with Tab, takes pictures dropped on cells, and clears all
// cells. Editor changes count as document changes only while armed, so
// loading a cell never marks the document modified.
class CellEditBridge : public QObject
{
    Q_OBJECT

public:
    CellEditBridge(
        TCalendarPanel32 *panel, TWPRichText *editor, TWPToolBar *toolBar, QObject *parent = nullptr);

    [[nodiscard]] bool EditingCell() const { return m_editingCell; }
    [[nodiscard]] TWPRtfStorage *EditedCellStorage() const { return m_editedCellStorage; }
    [[nodiscard]] bool EditorArmed() const { return m_editorArmed; }
    [[nodiscard]] int CurrentCell() const { return m_currentCell; }

    // The font new text in an empty cell starts with.
    [[nodiscard]] const CalendarFont &defaultFont() const { return m_defaultFont; }
    // Also the font a new rich label on the page starts in.
    void setDefaultFont(const CalendarFont &font);

    // The page's cell event: open the editor over the cell's free rectangle.
    void CalendarPanelClickedInCellEvent(
        const TRect &rTotal, const TRect &rFree, int iCell, int iDay, TWPRtfStorage &rtfstorage);
    // Closes the editor, storing its text into the cell.
    void DoSaveRichtext();
    // Makes the default font the editor's current attributes.
    void SetDefaultFontNow();
    void mnuClearAllCellContentsClick();
    // Tab and Shift+Tab: the editor moves to the next or previous cell.
    void nextCell();
    void previousCell();

    // Dragging onto the page: a picture is accepted over a cell only.
    [[nodiscard]] bool CalendarPanelDragOver(const QPoint &position, const QMimeData *data) const;
    void CalendarPanelDragDrop(const QPoint &position, const QMimeData *data);
    // A picture dropped into the open editor.
    void WPRichText1DragDrop(const QImage &picture);

signals:
    // The document changed through the cell editor.
    void modified();
    // The editor's text went back into its cell: the cell may have changed.
    void cellStored();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void WPRichText1Change();
    void WPRichText1Enter();
    bool editorKeyPress(QKeyEvent *event);
    bool panelDragEvent(QEvent *event);

    QPointer<TCalendarPanel32> m_panel;
    QPointer<TWPRichText> m_editor;
    QPointer<TWPToolBar> m_toolBar;
    CalendarFont m_defaultFont;
    bool m_editingCell = false;
    TWPRtfStorage *m_editedCellStorage = nullptr;
    bool m_editorArmed = false;
    int m_currentCell = 0;
};

#pragma once

// Pascal-case members are the program's documented names and stay as
// documented; everything else follows Qt naming.

#include "calendar/calendarattributes.h"
#include "calendar/daycell.h"
#include "calendar/pageframe.h"
#include "calendar/pagelayout.h"
#include "calendar/pagepaintoptions.h"

#include "metafile/metafile.h"
#include "richtext/wprtfstorage.h"

#include <QDate>
#include <QImage>
#include <QObject>

#include <array>
#include <functional>
#include <memory>

class CellContentPainter;
class QPainter;

// The calendar page: its attributes with their setter rules, the layout they
// give, the 42 day cells and the drawing of the page. The widget that shows
// the page lives in the UI library and listens to the signals.
class CalendarPage : public QObject
{
    Q_OBJECT

public:
    using TClickedInCellEvent = std::function<void(
        const TRect &rTotal, const TRect &rFree, int iCell, int iDay, TWPRtfStorage &rtfstorage)>;
    using TNotifyEvent = std::function<void()>;

    explicit CalendarPage(QObject *parent = nullptr);
    ~CalendarPage() override;

    // --- attributes ----------------------------------------------------------
    [[nodiscard]] const CalendarAttributes &attributes() const { return m_attr; }

    [[nodiscard]] int calendarLayout() const { return m_attr.calendarLayout; }
    void setCalendarLayout(int layout);
    [[nodiscard]] TCalendarOrientation calendarOrientation() const { return m_attr.calendarOrientation; }
    void setCalendarOrientation(TCalendarOrientation orientation);
    [[nodiscard]] TCalendarLineLayout calendarLineLayout() const { return m_attr.calendarLineLayout; }
    void setCalendarLineLayout(TCalendarLineLayout lineLayout);
    [[nodiscard]] TMiniCalendarLineLayout miniCalendarLineLayout() const
    {
        return m_attr.miniCalendarLineLayout;
    }
    void setMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout);

    [[nodiscard]] TCalBorderStyle calendarBorder() const { return m_attr.calendarBorder; }
    void setCalendarBorder(TCalBorderStyle style);
    [[nodiscard]] TCalBorderStyle headersBorder() const { return m_attr.headersBorder; }
    void setHeadersBorder(TCalBorderStyle style);
    [[nodiscard]] TCalBorderStyle cellBorder() const { return m_attr.cellBorder; }
    void setCellBorder(TCalBorderStyle style);
    [[nodiscard]] TCalBorderStyle miniCalBorder() const { return m_attr.miniCalBorder; }
    void setMiniCalBorder(TCalBorderStyle style);
    [[nodiscard]] TCalBorderStyle miniHeadersBorder() const { return m_attr.miniHeadersBorder; }
    void setMiniHeadersBorder(TCalBorderStyle style);
    [[nodiscard]] TCalBorderStyle miniCellBorder() const { return m_attr.miniCellBorder; }
    void setMiniCellBorder(TCalBorderStyle style);

    [[nodiscard]] TCalHeadersStyle headersStyle() const { return m_attr.headersStyle; }
    void setHeadersStyle(TCalHeadersStyle style);
    [[nodiscard]] TCalHeadersStyle miniHeadersStyle() const { return m_attr.miniHeadersStyle; }
    void setMiniHeadersStyle(TCalHeadersStyle style);
    [[nodiscard]] TCalendarNumberPosition numberPosition() const { return m_attr.numberPosition; }
    void setNumberPosition(TCalendarNumberPosition position);
    [[nodiscard]] bool titleShowYear() const { return m_attr.titleShowYear; }
    void setTitleShowYear(bool show);
    [[nodiscard]] bool miniShowYear() const { return m_attr.miniShowYear; }
    void setMiniShowYear(bool show);

    [[nodiscard]] TColor titleBGColor() const { return m_attr.titleBGColor; }
    void setTitleBGColor(TColor color);
    [[nodiscard]] TColor headersBGColor() const { return m_attr.headersBGColor; }
    void setHeadersBGColor(TColor color);
    [[nodiscard]] TColor miniHeadersBGColor() const { return m_attr.miniHeadersBGColor; }
    void setMiniHeadersBGColor(TColor color);
    [[nodiscard]] TColor miniCalBGColor() const { return m_attr.miniCalBGColor; }
    void setMiniCalBGColor(TColor color);

    // Font setters copy every field and redraw on every call.
    [[nodiscard]] const CalendarFont &titleFont() const { return m_attr.titleFont; }
    void setTitleFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &headersFont() const { return m_attr.headersFont; }
    void setHeadersFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &cellFont() const { return m_attr.cellFont; }
    void setCellFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &miniTitleFont() const { return m_attr.miniTitleFont; }
    void setMiniTitleFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &miniHeadersFont() const { return m_attr.miniHeadersFont; }
    void setMiniHeadersFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &miniCellFont() const { return m_attr.miniCellFont; }
    void setMiniCellFont(const CalendarFont &font);

    [[nodiscard]] int mainCalDay() const { return m_attr.mainCalDay; }
    void setMainCalDay(int day);
    [[nodiscard]] int mainCalMonth() const { return m_attr.mainCalMonth; }
    void setMainCalMonth(int month); // months outside 1-12 are refused
    [[nodiscard]] int mainCalYear() const { return m_attr.mainCalYear; }
    void setMainCalYear(int year); // years outside kFirstYear-kLastYear are refused
    [[nodiscard]] int startOfWeek() const { return m_attr.startOfWeek; }
    void setStartOfWeek(int day);

    [[nodiscard]] float leftMarginInch() const { return m_attr.leftMarginInch; }
    void setLeftMarginInch(float inches);
    [[nodiscard]] float topMarginInch() const { return m_attr.topMarginInch; }
    void setTopMarginInch(float inches);
    [[nodiscard]] float rightMarginInch() const { return m_attr.rightMarginInch; }
    void setRightMarginInch(float inches);
    [[nodiscard]] float bottomMarginInch() const { return m_attr.bottomMarginInch; }
    void setBottomMarginInch(float inches);

    [[nodiscard]] const QString &userTitle() const { return m_attr.userTitle; }
    void setUserTitle(const QString &title);
    [[nodiscard]] const QString &wmfBorderFile() const { return m_attr.wmfBorderFile; }
    // Loads "Borders/<name>.wpo" (portrait) or ".wls" (landscape) from the
    // data folder. A missing file changes nothing; an unreadable one clears
    // the name. The last failure is kept in borderError().
    void setWMFBorderFile(const QString &name);
    [[nodiscard]] const QString &borderError() const { return m_borderError; }
    [[nodiscard]] const Metafile &borderPicture() const { return m_borderPicture; }
    // Where border pictures are looked up; the data folder unless set.
    void setBorderFolder(const QString &folder) { m_borderFolder = folder; }
    [[nodiscard]] QString borderFolder() const;

    [[nodiscard]] TLPanelState panelState() const { return m_panelState; }
    void setPanelState(TLPanelState state);

    [[nodiscard]] PaperSize paperSize() const { return m_attr.paperSize; }
    void setPaperSize(PaperSize paper);
    [[nodiscard]] double startingTime() const { return m_attr.startingTime; }
    void setStartingTime(double dayFraction);

    // Week numbers, shaded weekends, neighbouring days and moon phases.
    [[nodiscard]] const PageExtras &extras() const { return m_attr.extras; }
    void setExtras(const PageExtras &extras);

    // Name tables: out-of-range indexes leave the output untouched or are ignored.
    void monthName(int index, QString &output) const;
    void setMonthName(int index, const QString &name);
    void dayName(int index, QString &output) const;
    void setDayName(int index, const QString &name);
    void loadSystemNames();

    // Stores every attribute directly, then relayouts once (file reading).
    void loadAttributes(const CalendarAttributes &attributes);

    void resetToDefaultStyle(const QDate &today = QDate::currentDate());
    void copyAttributesFrom(const CalendarPage &other);
    [[nodiscard]] bool sameAttributes(const CalendarPage &other) const;
    [[nodiscard]] int layoutKind() const { return ::layoutKind(m_attr.calendarLayout); }
    [[nodiscard]] bool layoutHasDayCells() const { return ::layoutHasDayCells(m_attr.calendarLayout); }

    // --- geometry ------------------------------------------------------------
    [[nodiscard]] const PageLayout &layout() const { return m_layout; }
    void relayout(bool applyMiniFontSizes = false);
    [[nodiscard]] float displayScale() const { return m_scale; }
    void setDisplayScale(float scale);
    [[nodiscard]] QSize controlSize() const { return controlSizeAt(m_scale); }
    [[nodiscard]] QSize controlSizeAt(float zoom) const;

    // --- drawing -------------------------------------------------------------
    // Draws the page at a zoom and records the cell table for that zoom, as
    // the screen does; renderImage() does the same into a new image.
    void paint(QPainter &painter, float zoom, const PagePaintOptions &options = {});
    [[nodiscard]] QImage renderImage(float zoom);
    // Records the cell table and hit rectangles drawing at a zoom would record,
    // without drawing; returns the boxes of the page at that zoom.
    PageFrame recordCellTable(float zoom);
    // Draws the page without touching the recorded cell table (other devices).
    void render(QPainter &painter, float zoom, const PagePaintOptions &options = {}) const;
    void setCellPainter(std::shared_ptr<const CellContentPainter> painter)
    {
        m_cellPainter = std::move(painter);
    }
    [[nodiscard]] TRect referenceCellSize() const { return m_referenceCell; }

    // --- day cells -----------------------------------------------------------
    [[nodiscard]] QByteArray cellContents(int index, const QByteArray &fallback = {}) const;
    void setCellContents(int index, const QByteArray &rtf);
    [[nodiscard]] TWPRtfStorage *cellStorage(int index);
    [[nodiscard]] const TWPRtfStorage *cellStorage(int index) const
    {
        return const_cast<CalendarPage *>(this)->cellStorage(index);
    }
    [[nodiscard]] const CellTable &cellTable() const { return m_cellTable; }
    [[nodiscard]] int dayOfCell(int index) const;
    [[nodiscard]] int cellOfDay(int day) const;
    [[nodiscard]] int cellAtPoint(int x, int y) const;
    [[nodiscard]] bool pointInCell(int x, int y) const { return cellAtPoint(x, y) != 0; }
    [[nodiscard]] const TRect &titleHitRect() const { return m_titleHit; }
    [[nodiscard]] const TRect &daysAreaHitRect() const { return m_daysAreaHit; }
    // False for a cell outside 1-42 and for the blank cells of a month grid
    // that shows the neighbouring months' days: those take no text.
    [[nodiscard]] bool cellTakesEvents(int index) const;
    void dropIntoCell(int x, int y);
    void raiseForCell(int index);
    void previousCell(int index);
    void nextCell(int index);
    void clearAllCells();
    // Whether text written into the cells of a page of layout kind, month
    // and year still belongs to the days this page shows: not after a change
    // of the layout's kind, nor after a change of month on a layout of days.
    [[nodiscard]] bool cellsStillFit(int kind, int month, int year) const;
    [[nodiscard]] bool anyCellHasContents() const;
    // A click at (x, y) in control pixels; objectUnderPoint tells whether a
    // placed object lies there (such clicks never reach a cell).
    void click(int x, int y, bool objectUnderPoint);

    TClickedInCellEvent ClickedInCellEvent;
    TNotifyEvent OnClickedHeader;
    TNotifyEvent OnClickedDaysArea;
    TNotifyEvent OnClick;

signals:
    void redrawRequested();
    // The page size or the rectangles changed; the widget resizes and redraws.
    void layoutChanged();
    void panelStateChanged(TLPanelState state);

private:
    // Whether setting a value equal to the current one still redraws.
    enum class RedrawWhen { Changed, Always };
    template <typename T>
    void assignAndRedraw(T &field, const T &value, RedrawWhen when = RedrawWhen::Changed);
    template <typename T> void assignAndRelayout(T &field, const T &value);
    void applyLineLayoutPreset();
    void applyMiniLineLayoutPreset();
    void applyMiniFontSizes(int size);
    [[nodiscard]] CellTable cellTableFor(const PageFrame &frame) const;
    void draw(QPainter &painter, const PageFrame &frame, const CellTable &table,
        const PagePaintOptions &options) const;

    CalendarAttributes m_attr;
    PageLayout m_layout;
    float m_scale = 1.0f;
    TLPanelState m_panelState = psPointing;
    std::array<TWPRtfStorage, kCellCount> m_cells;
    TWPRtfStorage m_blankCell;
    CellTable m_cellTable {};
    TRect m_titleHit;
    TRect m_daysAreaHit;
    TRect m_referenceCell;
    Metafile m_borderPicture;
    QString m_borderError;
    QString m_borderFolder;
    std::shared_ptr<const CellContentPainter> m_cellPainter;
};

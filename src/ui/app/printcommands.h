#pragma once

#include "calendar/calendartypes.h"

#include <QObject>

class QPainter;

#include <memory>

class FillSources;
class MonthRun;
class QPrinter;
class QProgressDialog;
class TCalendarMain;
struct MonthRange;

// Print Calendar and Print Setup on one printer kept for the run, so the
// setup's choice of printer and its options last; the page always goes on
// the calendar's paper. And the two exports that need no printer: the
// printed page as a PDF and as a PNG at a printing resolution.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    explicit PrintCommands(TCalendarMain &window);
    ~PrintCommands() override;

    [[nodiscard]] QPrinter &printer();
    [[nodiscard]] bool printDone() const { return m_printDone; }
    [[nodiscard]] int printPasses() const { return m_printPasses; }

    static constexpr int kPngResolutions[] = { 150, 300, 600 };

public slots:
    void mnuPrintCalendarClick();
    void mnuPrintSetupClick();
    void exportPdfClick();
    void exportPngClick();
    // One design for a run of months, chosen in a dialog: one print job, one
    // PDF, or a picture per month ("<name>-01.png"...). The calendar on
    // screen is left as it was.
    void printMonthsClick();
    void exportMonthsPdfClick();
    void exportMonthsPngClick();

private:
    // False when a margin lies where the printer cannot print and the user
    // does not want to print anyway.
    bool CheckPrinterMargins();
    // Draws the page printPasses() times into one job; false, after telling
    // the user, when the job could not be started.
    bool ReportPrinter1Print(QPrinter &printer);
    // The calendar's paper and orientation on target.
    void useCalendarPaper(QPrinter &target) const;
    // Starts the job on the printer; false, after telling the user, when it
    // could not be started.
    bool beginJob(QPainter &painter, QPrinter &target);
    // The run's months and fills from the months dialog; false when the
    // user cancelled or a list could not be read (the user was told).
    bool askRun(int output, MonthRange *range, FillSources *fills, int *dpi = nullptr);
    // A progress dialog for a run's pages, which the user can cancel.
    [[nodiscard]] std::unique_ptr<QProgressDialog> runProgress(const QString &text, int pages);
    void report(const QString &text) const;
    [[nodiscard]] bool pageHasSuperText() const;

    TCalendarMain &m_window;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printDone = false;
    int m_printPasses = 1;
    int m_pngResolution = 1; // index into kPngResolutions
};

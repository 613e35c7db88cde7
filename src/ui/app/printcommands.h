#pragma once

#include "calendar/calendartypes.h"

#include <QObject>

#include <memory>

class QPrinter;
class TCalendarMain;

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

private:
    // False when a margin lies where the printer cannot print and the user
    // does not want to print anyway.
    bool CheckPrinterMargins();
    // Draws the page printPasses() times into one job; false, after telling
    // the user, when the job could not be started.
    bool ReportPrinter1Print(QPrinter &printer);
    // The calendar's paper and orientation on target.
    void useCalendarPaper(QPrinter &target) const;
    void report(const QString &text) const;
    [[nodiscard]] bool pageHasSuperText() const;

    TCalendarMain &m_window;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printDone = false;
    int m_printPasses = 1;
    int m_pngResolution = 1; // index into kPngResolutions
};

// From process start to the first painted page, with a calendar to reopen,
// on whatever platform QT_QPA_PLATFORM names (offscreen for repeatable
// figures). Run once with --prepare DIR to write the calendar and the data
// folder, then time `bench_startup DIR` as a whole process; it prints how
// long each step of the start took, from the start of main():
//
//   bench_startup --prepare /tmp/dwstart && bench_startup /tmp/dwstart
//
// The target is 300 ms for the whole process.
#include "app/calendarmain.h"
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "objects/placedobjectclasses.h"
#include "platform/datafolder.h"
#include "stream/component.h"
#include "surface/calendarpanel32.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

QString calendarIn(const QString &folder)
{
    return folder + QStringLiteral("/Start.DWF");
}

int prepare(const QString &folder)
{
    qputenv("DATEWRIGHT_HOME", folder.toUtf8());
    QString error;
    if (!DataFolder::ensureInitialized(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    CalendarPage page;
    page.resetToDefaultStyle();
    page.setUserTitle(QStringLiteral("Starting up"));
    TComponent objects;
    if (!CalendarFile::save(calendarIn(folder), page, &objects, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

// Stops the program at the first paint of the page, noting when it came.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer &clock)
        : m_clock(clock)
    {
    }
    qint64 at = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && at < 0) {
            at = m_clock.elapsed();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

void step(const char *name, qint64 from, qint64 to)
{
    std::printf("%-34s %5lld ms\n", name, static_cast<long long>(to - from));
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    if (argc == 3 && qstrcmp(argv[1], "--prepare") == 0) {
        QApplication app(argc, argv);
        return prepare(QString::fromLocal8Bit(argv[2]));
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_startup [--prepare] FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    qputenv("DATEWRIGHT_HOME", folder.toUtf8());
    QApplication app(argc, argv);
    const qint64 application = clock.elapsed();
    registerPlacedObjectClasses();
    DataFolder::ensureInitialized();
    const qint64 dataFolder = clock.elapsed();
    TCalendarMain window;
    window.setStartupFile(calendarIn(folder));
    const qint64 constructed = clock.elapsed();
    FirstPaint firstPaint(clock);
    window.calendarPanel()->installEventFilter(&firstPaint);
    window.show();
    const qint64 shown = clock.elapsed();
    app.exec();
    step("application and platform", 0, application);
    step("data folder", application, dataFolder);
    step("main window (preferences, menus)", dataFolder, constructed);
    step("first activation (file opened)", constructed, shown);
    step("first paint of the page", shown, firstPaint.at);
    step("total from main()", 0, firstPaint.at);
    return firstPaint.at >= 0 ? 0 : 1;
}

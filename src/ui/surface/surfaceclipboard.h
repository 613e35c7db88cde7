#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QMimeData;
class TVBasePanel;
class TVGraphicControl;

// Cut, copy and paste of placed objects. The clipboard file in the data
// folder is shared by every calendar page of one run; copying also puts the
// objects on the desktop's clipboard, as records for another Datewright and
// as a picture for other programs. Paste takes the desktop's copy when it is
// newer than the file. A second paste within a second of the first is
// dropped, so a held or bouncing Ctrl+V pastes once.
class SurfaceClipboard : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<qint64()>;

    // The records of the copied objects, as the clipboard file holds them.
    static constexpr const char *kObjectsMimeType = "application/x-datewright-objects";
    // When they were copied, in milliseconds since the epoch (UTC), as text.
    static constexpr const char *kCopiedAtMimeType = "application/x-datewright-copied-at";

    explicit SurfaceClipboard(TVBasePanel *surface, Clock clock);

    // Clipbrd.tmp in the data folder; removed when the program exits.
    [[nodiscard]] static QString fileName();
    // The file exists, or the desktop's clipboard holds copied objects.
    [[nodiscard]] static bool canPaste();

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // The selection; false, after telling the user, when the file cannot
    // be written.
    bool copy();
    // The given objects, in that order.
    bool copyObjects(const std::vector<TVGraphicControl *> &objects);
    void cut();
    void paste();

private:
    void publish(const std::vector<TVGraphicControl *> &objects) const;
    // The desktop's copied objects when they are newer than the file.
    [[nodiscard]] static const QMimeData *newerOnDesktop();
    void report(const QString &error) const;

    TVBasePanel *m_surface;
    Clock m_clock;
    qint64 m_lastPaste = 0; // none yet
};

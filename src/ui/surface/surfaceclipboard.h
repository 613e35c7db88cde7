#pragma once

#include <QObject>

#include <functional>

class TVBasePanel;

// Cut, copy and paste of the selection through the clipboard file in the
// data folder, which every calendar page of one run shares. A second paste
// within a second of the first is dropped, so a held or bouncing Ctrl+V
// pastes once.
class SurfaceClipboard : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<qint64()>;

    explicit SurfaceClipboard(TVBasePanel *surface, Clock clock);

    // Clipbrd.tmp in the data folder; removed when the program exits.
    [[nodiscard]] static QString fileName();
    [[nodiscard]] static bool canPaste();

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // false, after telling the user, when the file cannot be written.
    bool copy();
    void cut();
    void paste();

private:
    void report(const QString &error) const;

    TVBasePanel *m_surface;
    Clock m_clock;
    qint64 m_lastPaste = 0; // none yet
};

#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class TVBasePanel;
class TVGraphicControl;

// The design surface's context menu and the commands behind it: stacking
// order, the clipboard, delete, aligning and centring the selection, locking,
// marking selectable, selecting everything and the selection's font. Each
// entry is enabled by its rule when the menu opens.
class SurfaceMenu : public QObject
{
    Q_OBJECT

public:
    explicit SurfaceMenu(TVBasePanel *surface);
    ~SurfaceMenu() override;

    [[nodiscard]] QMenu *menu() const { return m_menu; }
    void popup(const QPoint &globalAt);
    // Enables the entries by the current selection and surface.
    void updateEnabling();

    void bringToFront();
    void sendToBack();
    enum class Edge { Left, Right, Top, Bottom };
    void align(Edge edge);
    void centerVertically();
    void centerHorizontally();
    void setAllLocked(bool locked);
    void setAllUnselectable(bool unselectable);
    void selectAll();
    void chooseFont();

private:
    QAction *add(const char *caption, std::function<void(SurfaceMenu &)> command);
    [[nodiscard]] QList<TVGraphicControl *> selection() const;
    [[nodiscard]] int childControlCount() const;

    TVBasePanel *m_surface;
    QMenu *m_menu;
    QList<QAction *> m_needSelection;
    QList<QAction *> m_needChildren;
    QAction *m_paste = nullptr;
};

#pragma once

#include <QWidget>

class QScrollArea;
class TVGraphicControl;

// Shows one placed object on white through its own paint, as the page shows
// it at 100%, and repaints whenever the object asks to; it takes the size
// the object's bounds need whenever they change. The object stays the
// caller's.
class ObjectPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ObjectPreview(TVGraphicControl &object, QWidget *parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TVGraphicControl &m_object;
};

// A preview of the object in a white scrolling panel at least minimum big,
// for objects that may outgrow it.
[[nodiscard]] QScrollArea *scrolledPreview(TVGraphicControl &object, QSize minimum);

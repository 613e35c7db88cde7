#pragma once

#include <QWidget>

class TVGraphicControl;

// Shows one placed object on white through its own paint, as the page shows
// it at 100%, and repaints whenever the object asks to. The object stays the
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

#pragma once

#include <QScrollArea>

// The scroll area the properties preview lives in: it asks the dialog's
// layout for the room the dialog wants it to have.
class PreviewArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    void setPreferredSize(const QSize &size);

    [[nodiscard]] QSize sizeHint() const override;

private:
    QSize m_preferred;
};

#pragma once

#include "icons/iconlistbase.h"

// The second icon list: one column of entries with a smaller margin around
// each icon. Its orientation is kept for whoever reads it and changes
// nothing else.
class TVIconListBox : public IconListBase
{
    Q_OBJECT

public:
    enum TListBoxOrientation { lbHorizontal, lbVertical };
    Q_ENUM(TListBoxOrientation)

    explicit TVIconListBox(QWidget *parent = nullptr);

    [[nodiscard]] TListBoxOrientation Orientation() const { return m_orientation; }
    void setOrientation(TListBoxOrientation orientation);

private:
    TListBoxOrientation m_orientation = lbVertical;
};

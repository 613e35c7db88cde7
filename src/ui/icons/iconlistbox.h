#pragma once

#include "icons/iconlistbase.h"

// The icon list of the icon tool: XIcons columns of YIcons entries each,
// entries flowing down each column and on into the next, so icons beyond
// the visible ones are reached by scrolling sideways. The list sizes
// itself to its columns and rows.
class TIconListBox : public IconListBase
{
    Q_OBJECT

public:
    explicit TIconListBox(QWidget *parent = nullptr);

    // Always this text; writes are ignored.
    [[nodiscard]] static QString Version() { return QStringLiteral("TIconListBox v1.10"); }
    void setVersion(const QString &) { }

    [[nodiscard]] int XIcons() const { return m_xIcons; }
    // Values below 1 are ignored.
    void setXIcons(int xIcons);
    [[nodiscard]] int YIcons() const { return m_yIcons; }
    void setYIcons(int yIcons);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void resizeToIcons();
    void fitColumns();

    int m_xIcons = 4;
    int m_yIcons = 1;
};

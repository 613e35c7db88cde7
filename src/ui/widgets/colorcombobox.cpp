#include "widgets/colorcombobox.h"

#include "widgets/commondialogs.h"

#include <QPainter>
#include <QPixmap>

namespace {

struct NamedColor
{
    const char *name;
    QRgb rgb;
};

// The sixteen colours every colour list of the program starts with.
const NamedColor kBasicColors[] = {
    { "Black", 0x000000 },
    { "Maroon", 0x800000 },
    { "Green", 0x008000 },
    { "Olive", 0x808000 },
    { "Navy", 0x000080 },
    { "Purple", 0x800080 },
    { "Teal", 0x008080 },
    { "Gray", 0x808080 },
    { "Silver", 0xC0C0C0 },
    { "Red", 0xFF0000 },
    { "Lime", 0x00FF00 },
    { "Yellow", 0xFFFF00 },
    { "Blue", 0x0000FF },
    { "Fuchsia", 0xFF00FF },
    { "Aqua", 0x00FFFF },
    { "White", 0xFFFFFF },
};

QIcon swatch(const QColor &color, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pixmap);
}

} // namespace

ColorComboBox::ColorComboBox(QWidget *parent)
    : QComboBox(parent)
{
    const QSignalBlocker quiet(this);
    for (const NamedColor &basic : kBasicColors)
        addColor(QColor(basic.rgb), QString::fromLatin1(basic.name));
    addItem(QStringLiteral("Custom..."));
    setCurrentIndex(0);
    connect(this, &QComboBox::currentIndexChanged, this, &ColorComboBox::entryChosen);
}

int ColorComboBox::addColor(const QColor &color, const QString &name)
{
    // New colours go before "Custom...", which stays last.
    const int at = count() > 0 && itemData(count() - 1).isNull() ? count() - 1 : count();
    insertItem(at, swatch(color, iconSize().height()), name, color);
    return at;
}

int ColorComboBox::indexOfColor(const QColor &color) const
{
    for (int i = 0; i < count(); ++i) {
        const QVariant data = itemData(i);
        if (!data.isNull() && data.value<QColor>().rgb() == color.rgb())
            return i;
    }
    return -1;
}

void ColorComboBox::select(int index)
{
    m_selecting = true;
    setCurrentIndex(index);
    m_selecting = false;
}

void ColorComboBox::setColor(const QColor &color)
{
    if (!color.isValid())
        return;
    int index = indexOfColor(color);
    if (index < 0)
        index = addColor(color, color.name().toUpper());
    select(index);
    if (color.rgb() == m_color.rgb())
        return;
    m_color = QColor(color.rgb());
    emit colorChanged(m_color);
}

void ColorComboBox::entryChosen(int index)
{
    if (m_selecting || index < 0)
        return;
    if (index == customEntry()) {
        QColor chosen = m_color;
        if (CommonDialogs::current().chooseColor(window(), chosen))
            setColor(chosen);
        else
            select(indexOfColor(m_color));
        return;
    }
    setColor(itemData(index).value<QColor>());
}

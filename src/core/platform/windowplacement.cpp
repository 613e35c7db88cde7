#include "platform/windowplacement.h"

#include "platform/inifile.h"

QString WindowPlacement::sectionName(const QString &className, int pixelsPerInch)
{
    QString name = className + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        name += QString::number(pixelsPerInch);
    return name;
}

QRect WindowPlacement::fittedTo(const QSize &screen) const
{
    int l = left, t = top, r = right, b = bottom;
    if (screen.width() < r) {
        l += screen.width() - r;
        r = screen.width();
    }
    if (screen.height() < b) {
        t += screen.height() - b;
        b = screen.height();
    }
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

void WindowPlacement::load(const IniFile &ini, const QString &section, bool maximizedByDefault)
{
    left = ini.readInteger(section, QStringLiteral("Left"), 0);
    top = ini.readInteger(section, QStringLiteral("Top"), 0);
    right = ini.readInteger(section, QStringLiteral("Right"), 0);
    bottom = ini.readInteger(section, QStringLiteral("Bottom"), 0);
    maximized = ini.readBool(section, QStringLiteral("Maximized"), maximizedByDefault);
}

bool WindowPlacement::save(IniFile &ini, const QString &section) const
{
    IniFile::Batch batch(ini);
    return ini.writeInteger(section, QStringLiteral("Left"), left)
        && ini.writeInteger(section, QStringLiteral("Top"), top)
        && ini.writeInteger(section, QStringLiteral("Right"), right)
        && ini.writeInteger(section, QStringLiteral("Bottom"), bottom)
        && ini.writeBool(section, QStringLiteral("Maximized"), maximized) && batch.commit();
}

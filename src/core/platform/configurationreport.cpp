#include "platform/configurationreport.h"

#include "base/programversion.h"

namespace ConfigurationReport {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString languageName(const QLocale &locale)
{
    QString name = QLocale::languageToString(locale.language());
    if (locale.territory() != QLocale::AnyTerritory)
        name += QStringLiteral(" (") + QLocale::territoryToString(locale.territory()) + QLatin1Char(')');
    return name;
}

// The short country code of a locale: "US" for en_US.
QString countryCode(const QLocale &locale)
{
    const QString name = locale.name();
    const int underscore = name.indexOf(QLatin1Char('_'));
    return underscore < 0 ? QString() : name.mid(underscore + 1);
}

void addEnvironment(QStringList &out, const Facts &f)
{
    const SystemInformation &s = f.system;
    const QLocale &l = f.userLocale;
    out << QStringLiteral("Windows:     \t") + s.systemName + QStringLiteral(" version ")
            + QString::number(s.versionMajor) + QLatin1Char('.') + QString::number(s.versionMinor)
            + QStringLiteral(" build:") + QString::number(s.build) + QLatin1Char(' ') + s.buildText;
    out << QStringLiteral("CPU:         \tProcessor:  ") + s.architecture + QLatin1Char(' ') + s.processor;
    out << QStringLiteral("Video:       \t") + QString::number(f.screenSize.width()) + QLatin1Char('x')
            + QString::number(f.screenSize.height()) + QLatin1Char('x')
            + QString::number(colorCount(f.screenDepth)) + QStringLiteral(" colors");
    const QString fonts = f.logicalDpi == 96 ? QStringLiteral("Small Fonts in use")
        : f.logicalDpi == 120                ? QStringLiteral("Large Fonts in use")
                                             : QStringLiteral("Custom font size in use");
    out << QStringLiteral("Font:        \t") + fonts;
    auto pair = [&l](qint64 total, qint64 available) {
        return l.toString(total) + QLatin1Char('/') + l.toString(available);
    };
    out << QStringLiteral("Memory Load: \t") + QString::number(s.memoryLoad());
    out << QStringLiteral("Phys Memory: \t") + pair(s.physicalTotal, s.physicalAvailable);
    out << QStringLiteral("Page File:   \t") + pair(s.swapTotal, s.swapFree);
    out << QStringLiteral("Virt Memory: \t") + pair(s.virtualTotal, s.virtualAvailable);
    out << QStringLiteral("Language:    \t") + languageName(f.userLocale) + QLatin1Char('/')
            + languageName(f.systemLocale);
    out << QStringLiteral("Country:     \t") + countryCode(f.userLocale) + QLatin1Char('/')
            + countryCode(f.systemLocale);
    out << QStringLiteral("Date Format: \t") + l.dateFormat(QLocale::ShortFormat) + QLatin1Char('/')
            + l.dateFormat(QLocale::LongFormat);
    out << QStringLiteral("Time Format: \t") + l.timeFormat(QLocale::ShortFormat) + QLatin1Char('/')
            + l.timeFormat(QLocale::LongFormat);
}

void addPreferences(QStringList &out, const Preferences &p)
{
    const CalendarFont &font = p.defaultEditorFont;
    out << QStringLiteral("LastZoom:    \t") + QString::number(p.mainZoomPercent) + QLatin1Char('/')
            + QString::number(p.previewZoomPercent);
    out << QStringLiteral("DeFFont      \t") + font.name + QLatin1Char(',') + QString::number(font.size)
            + QLatin1Char(',') + flag(font.bold) + QLatin1Char(',') + flag(font.italic) + QLatin1Char(',')
            + flag(font.underline) + QLatin1Char(',') + QString::number(qint64(font.color));
    out << QStringLiteral("LastIconFile:\t") + p.iconFileName;
    out << QStringLiteral("IconShowing :\t") + flag(p.iconToolWanted);
    out << QStringLiteral("ShowHint:   :\t") + flag(p.hintsOn);
}

} // namespace

qint64 colorCount(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    case 15:
        return 32768;
    case 16:
        return 65536;
    case 24:
    case 32:
        return 16777216;
    default:
        return bitsPerPixel;
    }
}

QStringList lines(const Facts &facts)
{
    QStringList out;
    out << facts.userLocale.toString(facts.today, QLocale::LongFormat);
    out << QString() << QStringLiteral("[Product]") << QStringLiteral("Program:     \tDatewright")
        << QStringLiteral("Version:     \t" DATEWRIGHT_VERSION);
    out << QString() << QStringLiteral("[Environment]");
    addEnvironment(out, facts);
    out << QString() << QStringLiteral("[DW.INI]") << QString();
    addPreferences(out, facts.preferences);
    return out;
}

} // namespace ConfigurationReport

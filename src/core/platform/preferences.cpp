#include "platform/preferences.h"

#include "platform/datafolder.h"
#include "platform/inifile.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kZooming = QStringLiteral("Zooming");
const QString kFont = QStringLiteral("Default Font");
const QString kIcons = QStringLiteral("Icons");
const QString kHints = QStringLiteral("Hints");
const QString kEvents = QStringLiteral("Events");
const QString kRecovery = QStringLiteral("Recovery");

QString defaultIconFile()
{
    return QDir(DataFolder::path()).filePath(QStringLiteral("MISC1.ICL"));
}

} // namespace

CalendarFont Preferences::defaultFont()
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 10;
    font.color = clBlack;
    return font;
}

QString Preferences::fileName()
{
    return QDir(DataFolder::path()).filePath(QStringLiteral("DW.ini"));
}

void Preferences::load(const IniFile &ini)
{
    const Preferences defaults;
    const CalendarFont font = defaultFont();
    mainZoomPercent = ini.readInteger(kZooming, QStringLiteral("Main"), defaults.mainZoomPercent);
    previewZoomPercent = ini.readInteger(kZooming, QStringLiteral("Prop"), defaults.previewZoomPercent);
    defaultEditorFont.name = ini.readString(kFont, QStringLiteral("Name"), font.name);
    defaultEditorFont.size = ini.readInteger(kFont, QStringLiteral("Size"), font.size);
    defaultEditorFont.bold = ini.readBool(kFont, QStringLiteral("Bold"), font.bold);
    defaultEditorFont.italic = ini.readBool(kFont, QStringLiteral("Italic"), font.italic);
    defaultEditorFont.underline = ini.readBool(kFont, QStringLiteral("Underline"), font.underline);
    defaultEditorFont.strikeout = ini.readBool(kFont, QStringLiteral("Strikeout"), font.strikeout);
    defaultEditorFont.color
        = static_cast<TColor>(ini.readInteger(kFont, QStringLiteral("Color"), font.color));
    iconFileName = ini.readString(kIcons, QStringLiteral("File"), defaultIconFile());
    iconToolWanted = ini.readBool(kIcons, QStringLiteral("Visible"), defaults.iconToolWanted);
    hintsOn = ini.readBool(kHints, QStringLiteral("On"), defaults.hintsOn);
    eventsFileName = ini.readString(kEvents, QStringLiteral("File"), QString());
    // A negative interval is read as none rather than as a busy loop.
    recoveryIntervalSeconds = std::max(
        0, ini.readInteger(kRecovery, QStringLiteral("Interval"), defaults.recoveryIntervalSeconds));
}

bool Preferences::save(IniFile &ini) const
{
    IniFile::Batch batch(ini);
    return ini.writeInteger(kZooming, QStringLiteral("Main"), mainZoomPercent)
        && ini.writeInteger(kZooming, QStringLiteral("Prop"), previewZoomPercent)
        && ini.writeString(kFont, QStringLiteral("Name"), defaultEditorFont.name)
        && ini.writeInteger(kFont, QStringLiteral("Size"), defaultEditorFont.size)
        && ini.writeBool(kFont, QStringLiteral("Bold"), defaultEditorFont.bold)
        && ini.writeBool(kFont, QStringLiteral("Italic"), defaultEditorFont.italic)
        && ini.writeBool(kFont, QStringLiteral("Underline"), defaultEditorFont.underline)
        && ini.writeBool(kFont, QStringLiteral("Strikeout"), defaultEditorFont.strikeout)
        && ini.writeInteger(kFont, QStringLiteral("Color"), static_cast<int>(defaultEditorFont.color))
        && ini.writeBool(kIcons, QStringLiteral("Visible"), iconToolWanted)
        && ini.writeBool(kHints, QStringLiteral("On"), hintsOn)
        && ini.writeString(
            kIcons, QStringLiteral("File"), iconFileName.isEmpty() ? defaultIconFile() : iconFileName)
        && ini.writeString(kEvents, QStringLiteral("File"), eventsFileName)
        && ini.writeInteger(kRecovery, QStringLiteral("Interval"), recoveryIntervalSeconds) && batch.commit();
}

// datewright-cli icons: the icons of an icon file, icon library or program.
#include "clicommand.h"
#include "clisupport.h"

#include "icons/iconcollection.h"
#include "pictures/imagesaver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void addOptions(QCommandLineParser &parser)
{
    parser.addOption(
        { QStringLiteral("extract"), QStringLiteral("Writes icon N as a PNG file."), QStringLiteral("N") });
}

int extract(const IconCollection &icons, const QString &indexText, const QString &out)
{
    bool number = false;
    const int index = indexText.toInt(&number);
    if (!number || index < 0 || index >= icons.count())
        return CliSupport::fail(
            QStringLiteral("There is no icon %1: the file holds %2 icons").arg(indexText).arg(icons.count()));
    const QImage image = icons.icon(index);
    if (image.isNull())
        return CliSupport::fail(QStringLiteral("Icon %1 cannot be read").arg(index)
            + (icons.decodeError().isEmpty() ? QString() : QStringLiteral(": ") + icons.decodeError()));
    QString error;
    if (!ImageSaver::save(image, out, "png", &error))
        return CliSupport::fail(error);
    return 0;
}

int runIcons(const QCommandLineParser &parser, const QStringList &arguments)
{
    const bool extracting = parser.isSet(QStringLiteral("extract"));
    if (arguments.size() != (extracting ? 2 : 1))
        return CliSupport::fail(
            QStringLiteral("icons needs an icon file (and an output picture with --extract)\n")
            + CliCommands::usage());
    const IconCollection icons = IconCollection::fromFile(arguments.first());
    if (!icons.error().isEmpty())
        return CliSupport::fail(icons.error());
    if (extracting)
        return extract(icons, parser.value(QStringLiteral("extract")), arguments.at(1));
    // Listed from the pictures' headers: decoding every icon of a library
    // can take hours.
    QJsonArray list;
    for (int i = 0; i < icons.count(); ++i) {
        const IconImage::Info info = icons.iconInfo(i);
        list.append(QJsonObject { { "index", i }, { "width", info.size.width() },
            { "height", info.size.height() }, { "depth", info.bitsPerPixel } });
    }
    const QByteArray json = QJsonDocument(
        QJsonObject { { "count", icons.count() },
            { "icons", list } }).toJson(QJsonDocument::Indented);
    return CliSupport::printOutput(json);
}

const CliCommandRegistration registration(
    { QStringLiteral("icons"), QStringLiteral("icons FILE [--extract N OUT.png]"), addOptions, runIcons });

} // namespace

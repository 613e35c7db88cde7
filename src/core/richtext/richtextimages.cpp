#include "richtext/richtextimages.h"

#include <QAtomicInteger>
#include <QPixmap>
#include <QTextDocument>
#include <QUrl>

namespace RichTextImages {

QString add(QTextDocument &document, const QImage &image)
{
    static QAtomicInteger<quint32> counter;
    const QString name = QStringLiteral("dwpicture:%1").arg(counter.fetchAndAddRelaxed(1) + 1);
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

QImage image(const QTextDocument &document, const QString &name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.userType() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.userType() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    if (resource.userType() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return {};
}

} // namespace RichTextImages

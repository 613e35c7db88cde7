#pragma once

#include <QByteArray>
#include <QString>

class QPainter;
class QRectF;

// A Windows metafile (placeable or plain WMF, or EMF) held as its bytes and
// drawn as vectors into a rectangle.
class Metafile
{
public:
    // Reads and checks a metafile; on failure the object is left empty and
    // the message says why.
    bool load(const QString &fileName, QString *error = nullptr);
    void clear() { m_data.clear(); }
    [[nodiscard]] bool isEmpty() const { return m_data.isEmpty(); }
    [[nodiscard]] const QByteArray &data() const { return m_data; }
    void draw(QPainter &painter, const QRectF &target) const;

private:
    QByteArray m_data;
};

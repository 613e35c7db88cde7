#pragma once

#include "base/bytereader.h"
#include "metafile/emfplayer.h"
#include "metafile/gdicontext.h"
#include "metafile/gdirecords.h"

#include <vector>

namespace EmfPlayer {

using GdiRecords::colorRef;

class Player
{
public:
    Player(const QByteArray &data, GdiContext &context, int handleCount);
    // r covers the record's parameters; record the whole record.
    void record(quint32 type, ByteReader r, ByteReader record);

private:
    GdiObject *object(quint32 index);
    void store(quint32 index, const GdiObject &object);
    void selectObject(quint32 index);
    void deleteObject(quint32 index);
    void polyShape(quint32 type, ByteReader &r, bool small);
    void polyPoly(quint32 type, ByteReader &r, bool small);
    void polyDraw(ByteReader &r, bool small);
    void textOut(ByteReader &r, const ByteReader &record, bool wide);
    void createFont(ByteReader &r);
    void createPen(ByteReader &r, const ByteReader &record, bool extended);
    void createDibBrush(ByteReader &r, const ByteReader &record);
    void blit(quint32 type, ByteReader &r, const ByteReader &record);
    void setDiBitsToDevice(ByteReader &r, const ByteReader &record);
    void regionRecord(quint32 type, ByteReader &r);
    void gradientFill(ByteReader &r);
    QImage bitmap(const ByteReader &record, quint32 offInfo, quint32 sizeInfo, quint32 offBits,
        quint32 sizeBits, bool alpha) const;

    GdiContext &m_gdi;
    std::vector<GdiObject> m_objects;
};

QPainterPath readRegionData(ByteReader r);
QRectF readRectL(ByteReader &r);
QTransform readXform(ByteReader &r);

} // namespace EmfPlayer

#include "metafile/gdirecords.h"

#include "base/bytereader.h"
#include "platform/codepage1252.h"

namespace GdiRecords {

namespace {

constexpr int kMaxFaceLength = 32;

QString readAnsiFace(ByteReader &r)
{
    const QByteArray face = r.bytes(std::min<qsizetype>(kMaxFaceLength, r.remaining()));
    const int nul = face.indexOf('\0');
    return CodePage1252::toUnicode(nul >= 0 ? face.left(nul) : face);
}

QString readWideFace(ByteReader &r)
{
    QString face;
    for (int i = 0; i < kMaxFaceLength && r.has(2); ++i) {
        const quint16 c = r.u16();
        if (c == 0)
            break;
        face.append(QChar(c));
    }
    return face;
}

} // namespace

QColor colorRef(quint32 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

GdiFont readLogFont(ByteReader &r, LogFontFormat format)
{
    const bool wide = format == LogFontFormat::Emf;
    const auto number = [&r, wide]() -> int { return wide ? r.i32() : r.i16(); };
    GdiFont f;
    f.height = number();
    f.width = number();
    f.escapement = number();
    number(); // orientation, unused
    f.weight = number();
    f.italic = r.u8();
    f.underline = r.u8();
    f.strikeOut = r.u8();
    f.charSet = r.u8();
    r.skip(4); // precisions, quality, pitch and family
    f.faceName = wide ? readWideFace(r) : readAnsiFace(r);
    return f;
}

} // namespace GdiRecords

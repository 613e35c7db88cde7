#include "richtext/wprtfstorage.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QTextDocument>

void TWPRtfStorage::setRtf(const QByteArray &rtf)
{
    m_rtf = rtf;
    m_empty.reset();
}

void TWPRtfStorage::copyFrom(const TWPRtfStorage &other)
{
    m_rtf = other.m_rtf;
    m_empty = other.m_empty;
}

void TWPRtfStorage::clear()
{
    m_rtf.clear();
    m_empty = true;
}

bool TWPRtfStorage::isEmpty() const
{
    // The page asks on every paint; reading the text once per change is enough.
    if (!m_empty)
        m_empty = m_rtf.isEmpty() || !RtfReader::hasContent(m_rtf);
    return *m_empty;
}

QString TWPRtfStorage::plainText() const
{
    return RtfReader::plainText(m_rtf);
}

void TWPRtfStorage::copyTo(QTextDocument &document) const
{
    RtfReader::read(m_rtf, document);
}

void TWPRtfStorage::copyFrom(const QTextDocument &document)
{
    setRtf(RtfWriter::write(document));
}

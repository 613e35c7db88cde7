#include "report/pdf/pdfdocument.h"

#include <zlib.h>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Below this a stream is written as it is: the filter would not pay.
constexpr int kSmallestCompressed = 64;

QByteArray deflated(const QByteArray &data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    // The fastest level: a page's streams are mostly numbers that compress
    // well at any level, and a whole export costs milliseconds.
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size,
            reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), Z_BEST_SPEED)
        != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}

} // namespace

PdfDocument::PdfDocument()
{
    m_out.reserve(64 * 1024);
    // The binary comment tells transfer programs the file is not text.
    m_out.append("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    m_offsets.push_back(0); // object 0 heads the free list
}

int PdfDocument::reserve()
{
    m_offsets.push_back(0);
    return int(m_offsets.size()) - 1;
}

void PdfDocument::begin(int number)
{
    m_offsets[size_t(number)] = m_out.size();
    m_out.append(QByteArray::number(number)).append(" 0 obj\n");
}

void PdfDocument::writeObject(int number, const QByteArray &body)
{
    begin(number);
    m_out.append(body).append("\nendobj\n");
}

void PdfDocument::writeStream(int number, const QByteArray &entries, const QByteArray &data)
{
    const QByteArray packed = data.size() >= kSmallestCompressed ? deflated(data) : QByteArray();
    const QByteArray &body = packed.isEmpty() ? data : packed;
    begin(number);
    m_out.append("<<").append(entries).append(" /Length ").append(QByteArray::number(body.size()));
    if (!packed.isEmpty())
        m_out.append(" /Filter /FlateDecode");
    m_out.append(">>\nstream\n").append(body).append("\nendstream\nendobj\n");
}

QByteArray PdfDocument::finish(int catalog, int info)
{
    const qint64 table = m_out.size();
    m_out.append("xref\n0 ").append(QByteArray::number(m_offsets.size())).append("\n");
    char line[24];
    std::snprintf(line, sizeof line, "%010d 65535 f \n", 0);
    m_out.append(line, 20);
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        std::snprintf(line, sizeof line, "%010lld 00000 n \n", static_cast<long long>(m_offsets[i]));
        m_out.append(line, 20);
    }
    m_out.append("trailer\n<< /Size ").append(QByteArray::number(m_offsets.size()));
    m_out.append(" /Root ").append(reference(catalog)).append(" /Info ").append(reference(info));
    m_out.append(" >>\nstartxref\n").append(QByteArray::number(table)).append("\n%%EOF\n");
    return std::move(m_out);
}

void PdfDocument::appendPoint(QByteArray &out, QPointF point)
{
    appendNumber(out, point.x());
    out.append(' ');
    appendNumber(out, point.y());
    out.append(' ');
}

void PdfDocument::appendMatrix(QByteArray &out, const QTransform &t)
{
    for (const double value : { t.m11(), t.m12(), t.m21(), t.m22() }) {
        appendNumber(out, value, 6);
        out.append(' ');
    }
    appendPoint(out, QPointF(t.dx(), t.dy()));
}

void PdfDocument::appendNumber(QByteArray &out, double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0;
    const double rounded = std::round(value);
    char text[32];
    std::to_chars_result result {};
    if (std::abs(value - rounded) < 0.5 * std::pow(10.0, -decimals) && std::abs(rounded) < 1e15) {
        result = std::to_chars(text, text + sizeof text, static_cast<long long>(rounded));
    } else {
        result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
        while (result.ptr[-1] == '0')
            --result.ptr;
    }
    out.append(text, result.ptr - text);
}

QByteArray PdfDocument::reference(int number)
{
    return QByteArray::number(number) + " 0 R";
}

QByteArray PdfDocument::literal(const QByteArray &text)
{
    QByteArray out("(");
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out.append('\\');
        out.append(c);
    }
    return out.append(')');
}

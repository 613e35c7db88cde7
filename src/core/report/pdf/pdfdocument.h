#pragma once

#include <QByteArray>
#include <QPointF>
#include <QTransform>

#include <vector>

// The objects of one PDF file, written one after the other into memory, and
// the cross-reference table that finds them.
class PdfDocument
{
public:
    PdfDocument();

    // A number for an object written later; objects may refer to it before.
    [[nodiscard]] int reserve();
    void writeObject(int number, const QByteArray &body);
    // A stream with its dictionary's entries (without Length and Filter);
    // compressed unless it is too small to gain from it.
    void writeStream(int number, const QByteArray &entries, const QByteArray &data);
    // The complete file, with catalog and info as its root and info objects.
    [[nodiscard]] QByteArray finish(int catalog, int info);

    // A number as PDF content streams want it: no exponent, few digits.
    // Coordinates need three decimals; the parts of a matrix that turns or
    // scales need more, as their error grows with the distance.
    static void appendNumber(QByteArray &out, double value, int decimals = 3);
    // A point, and a matrix (its turning and scaling parts more exactly), each
    // number followed by a blank.
    static void appendPoint(QByteArray &out, QPointF point);
    static void appendMatrix(QByteArray &out, const QTransform &t);
    static QByteArray reference(int number);
    // A literal string with its delimiters, the characters PDF reserves escaped.
    static QByteArray literal(const QByteArray &text);

private:
    void begin(int number);

    QByteArray m_out;
    std::vector<qint64> m_offsets; // by object number; 0 = not written
};

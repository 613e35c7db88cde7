#pragma once

#include "report/pdf/truetypefont.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

class PdfDocument;
class QFontEngine;

// The fonts a PDF's pages use: each TrueType face once, cut down to the
// glyphs drawn with it, with the widths and the characters behind each glyph
// that text search and copying need.
class PdfFontSet
{
public:
    explicit PdfFontSet(PdfDocument &document);
    ~PdfFontSet();

    // The resource name ("F1") a page draws the face's glyphs with, and in
    // codes the numbers those glyphs have in it; or empty when the face
    // cannot go into the file this way: no font file behind it, outlines
    // other than TrueType's, or a licence that forbids it.
    [[nodiscard]] QByteArray use(QFontEngine &engine, const quint32 *glyphs, int count, quint16 *codes);
    // Whether the face draws its glyphs from outlines of any kind; a face of
    // pictures only (a bitmap font, colour emoji) does not.
    [[nodiscard]] bool hasOutlines(QFontEngine &engine);
    // "/F1 4 0 R ..." for a page's resources.
    [[nodiscard]] QByteArray resources() const;
    // The font objects; call once, after the last page.
    void write();

private:
    struct Face;
    // The face's file name and index; empty without a file.
    [[nodiscard]] static QString faceKey(const QFontEngine &engine);
    [[nodiscard]] Face *faceOf(QFontEngine &engine);
    void writeFace(const Face &face);

    PdfDocument &m_document;
    std::vector<std::unique_ptr<Face>> m_faces;
    QHash<QString, Face *> m_byFile; // file name and face index; null = refused
    QHash<QString, bool> m_outlines; // file name and face index
};

#pragma once

#include <QPaintEngine>

class QPainter;

// Whether a painter draws onto paper (a printer or a PDF page) rather than
// onto the screen or a picture: some things are drawn differently there.
namespace PaperTarget {

// The engine type of our own PDF writer; Qt's PDF and print engines are
// QPaintEngine::Pdf.
constexpr QPaintEngine::Type kPdfWriterEngine = QPaintEngine::Type(QPaintEngine::User + 1);

[[nodiscard]] bool isPaper(const QPainter &painter);

} // namespace PaperTarget

#pragma once

#include <QImage>

// Qt draws an indexed image by looking each pixel up in its colour table
// without a bounds check. Decoders hand over tables shorter than the pixels
// need when a file says so; such a table is completed with black, which is
// what Windows shows for an index past the table.
[[nodiscard]] QImage withCompleteColorTable(QImage image);

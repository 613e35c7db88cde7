#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Pictures written to files the user keeps. Encoders write into memory: a
// failure inside them (libpng prints its own line when its device fails)
// can then neither touch the target nor speak twice, and the file is
// replaced only by the complete result, through SafeFileWriter. On failure
// error holds "Unable to write NAME: REASON", the reason the system's own.
//
//   QString error;
//   if (!ImageSaver::save(icon, path, "png", &error))
//       show(error);
namespace ImageSaver {

// The picture in one of Qt's image formats ("png", "bmp", "jpeg"); quality
// as QImageWriter takes it, -1 for the format's default.
bool save(const QImage &image, const QString &fileName, const char *format, QString *error, int quality = -1);

// Bytes an encoder of our own made.
bool writeFile(const QString &fileName, const QByteArray &bytes, QString *error);

} // namespace ImageSaver

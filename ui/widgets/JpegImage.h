#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a baseline or progressive JPEG with libjpeg. A null image when the
// bytes are not a JPEG it can read.
QImage decodeJpeg(const QByteArray& bytes);

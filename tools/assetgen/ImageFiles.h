// Writing the generated files: PNG pictures that come out the same on every run, and raw bytes.
#pragma once

#include <QString>

class QImage;

namespace gelumpa::assetgen {

// Saves image as PNG at path with fixed metadata (96 dpi, no text), so reruns give identical bytes.
bool savePng(const QImage& image, const QString& path);

// Writes bytes to path, replacing the file.
bool saveBytes(const QByteArray& bytes, const QString& path);

} // namespace gelumpa::assetgen

// Writing the generated files: PNG pictures that come out the same on every run, and raw bytes.
#include "ImageFiles.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>

namespace gelumpa::assetgen {

namespace {
constexpr int dotsPerMeterAt96Dpi = 3780;
}

bool savePng(const QImage& image, const QString& path)
{
    QImage copy = image;
    copy.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    copy.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    QImageWriter writer(path, "png");
    return writer.write(copy);
}

bool saveBytes(const QByteArray& bytes, const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace gelumpa::assetgen

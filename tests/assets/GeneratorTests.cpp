// The generator: run afresh, it must remake every committed asset, so the files in the tree are
// known to come from the drawing and synthesis code beside them. Pictures are compared by their
// pixels, since another zlib or Qt may compress the same picture differently; the recordings and
// the .ico, stored uncompressed, byte for byte.
#include "FileChunks.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace gelumpa::assettest;

namespace {

// Every file below the folder but its build script, sorted, relative to the folder.
QStringList assetsIn(const QDir& folder)
{
    QStringList files;
    for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.append(folder.relativeFilePath(it.next()));
    files.removeAll(QStringLiteral("CMakeLists.txt"));
    files.sort();
    return files;
}

constexpr int generatorDeadlineMs = 60000;

bool madeAsCommitted(const QString& fresh, const QString& committed)
{
    if (!committed.endsWith(QLatin1String(".png")))
        return readAll(fresh) == readAll(committed);
    // The pixels alone: a colour space or gamma chunk in the file changes none of them.
    const QImage made = QImage(fresh).convertToFormat(QImage::Format_ARGB32);
    const QImage kept = QImage(committed).convertToFormat(QImage::Format_ARGB32);
    if (kept.isNull() || made.size() != kept.size())
        return false;
    for (int y = 0; y < kept.height(); ++y)
        if (std::memcmp(made.constScanLine(y), kept.constScanLine(y), static_cast<std::size_t>(kept.width()) * 4) != 0)
            return false;
    return true;
}

} // namespace

TEST(AssetGenerator, remakesEveryCommittedPictureToThePixelAndEveryOtherAssetToTheByteAndNothingElse)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(GELUMPA_ASSETGEN), {out.path()});
    ASSERT_TRUE(generator.waitForFinished(generatorDeadlineMs)) << "the generator did not finish in time";
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().constData();

    const QDir committed(QStringLiteral(GELUMPA_ASSETS_DIR));
    const QDir fresh(out.path());
    const QStringList files = assetsIn(committed);
    ASSERT_EQ(files.size(), 42) << qPrintable(files.join(QLatin1Char(' ')));
    for (const QString& file : files)
        EXPECT_TRUE(madeAsCommitted(fresh.filePath(file), committed.filePath(file)))
            << qPrintable(file) << " was not made as committed";
    EXPECT_EQ(assetsIn(fresh), files) << "the generator made other files too";
}

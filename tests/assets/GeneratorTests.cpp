// The generator: run afresh, it must remake every committed asset byte for byte, so the files
// in the tree are known to come from the drawing and synthesis code beside them.
#include "FileChunks.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

using namespace gelumpa::assettest;

namespace {

constexpr std::array<const char*, 22> generatedFiles{
    "pieces/normal-1.png", "pieces/normal-2.png", "pieces/normal-3.png", "pieces/normal-4.png",
    "pieces/normal-5.png", "pieces/highlighted-1.png", "pieces/highlighted-2.png",
    "pieces/highlighted-3.png", "pieces/highlighted-4.png", "pieces/highlighted-5.png",
    "icon/gelumpa.ico", "icon/gelumpa-32.png", "icon/gelumpa-48.png", "icon/gelumpa-64.png",
    "icon/gelumpa-128.png", "icon/gelumpa-256.png",
    "pictures/end.png", "pictures/credits.png",
    "sounds/1.wav", "sounds/2.wav", "sounds/3.wav", "sounds/4.wav",
};

constexpr int generatorDeadlineMs = 60000;

} // namespace

TEST(AssetGenerator, remakesEveryCommittedAssetByteForByteAndNothingElse)
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
    for (const char* file : generatedFiles) {
        const QByteArray made = readAll(fresh.filePath(file));
        EXPECT_FALSE(made.isEmpty()) << file << " was not made";
        EXPECT_TRUE(made == readAll(committed.filePath(file))) << file << " differs from the committed file";
    }

    qsizetype written = 0;
    for (QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++written;
    EXPECT_EQ(written, static_cast<qsizetype>(generatedFiles.size()));
}

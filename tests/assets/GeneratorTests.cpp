// The generator: run afresh, it must remake every committed asset byte for byte, so the files
// in the tree are known to come from the drawing and synthesis code beside them.
#include "FileChunks.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    const QStringList files = assetsIn(committed);
    ASSERT_EQ(files.size(), 42) << qPrintable(files.join(QLatin1Char(' ')));
    for (const QString& file : files)
        EXPECT_TRUE(readAll(fresh.filePath(file)) == readAll(committed.filePath(file)))
            << qPrintable(file) << " was not made as committed";
    EXPECT_EQ(assetsIn(fresh), files) << "the generator made other files too";
}

// The game where the panel's face is missing, as it always is on Linux, and so is every
// face it would take in its place: a font configuration offering one other face, or none.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "HostileSupport.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/ScreenArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <iostream>

namespace e2e {
namespace {

// An upright TrueType or OpenType face of this system that is none of those the panel
// asks for, preferably one that is not DejaVu. DejaVu Serif, which every system with the
// game's fonts has, when there is no other.
QString anotherFace()
{
    QProcess list;
    list.start(QStringLiteral("fc-list"), {QStringLiteral("--format"), QStringLiteral("%{family[0]}\t%{file}\n")});
    list.waitForFinished();
    QStringList fallback;
    QStringList others;
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString family = line.section(QLatin1Char('\t'), 0, 0);
        const QString file = line.section(QLatin1Char('\t'), 1);
        const bool upright = !file.contains(QRegularExpression(QStringLiteral("Ita|Oblique|Bold|Light|Mono")));
        if (!upright || (!file.endsWith(QStringLiteral(".ttf")) && !file.endsWith(QStringLiteral(".otf"))))
            continue;
        if (family == QStringLiteral("DejaVu Serif"))
            fallback.append(file);
        else if (!family.contains(QStringLiteral("DejaVu")) && !family.contains(QStringLiteral("Sans Serif"))
                 && !family.contains(QStringLiteral("Liberation")) && !family.contains(QStringLiteral("Arial")))
            others.append(file);
    }
    others.sort();
    fallback.sort();
    return !others.isEmpty() ? others.first() : fallback.value(0);
}

// Protects start-up, play and the panel's drawing when the fonts are not the ones expected.
class MissingFont : public GameFixture {
protected:
    // A font configuration whose only font directory holds the given face files.
    QProcessEnvironment fontEnvironment(const QStringList& faces) const
    {
        const QDir root(fontRoot.path());
        root.mkpath(QStringLiteral("fonts"));
        root.mkpath(QStringLiteral("cache"));
        for (const QString& face : faces)
            QFile::link(face, root.filePath(QStringLiteral("fonts/") + QFileInfo(face).fileName()));
        QFile config(root.filePath(QStringLiteral("fonts.conf")));
        if (config.open(QIODevice::WriteOnly))
            config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                                        "<fontconfig>\n  <dir>%1</dir>\n  <cachedir>%2</cachedir>\n</fontconfig>\n")
                             .arg(root.filePath(QStringLiteral("fonts")), root.filePath(QStringLiteral("cache")))
                             .toUtf8());
        QProcessEnvironment env = GameFixture::gameEnvironment();
        env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
        return env;
    }

    // A mark and a removal as the rules say, the panel drawn on its black ground, and the
    // exit command's question answered OK.
    void playAWhileAndLeave(const QString& shotLabel)
    {
        Board board;
        ASSERT_NO_FATAL_FAILURE(dealNewGame(board));
        std::vector<int> group;
        ASSERT_NO_FATAL_FAILURE(markLargestGroup(board, group));
        ASSERT_NO_FATAL_FAILURE(removeMarkedGroup(board, group));
        keepScreenshot(shotLabel);

        const QRect panel = panelArea.translated(game().clientOrigin());
        const QImage& screen = desktop().lastScreenshot();
        const int ground = countPixels(screen, panel, [](QRgb pixel) { return pixel == black; });
        EXPECT_GT(ground, panel.width() * panel.height() / 2) << "the panel's black ground is not drawn";
        EXPECT_EQ(unwrittenTexts(screen, game().clientOrigin()), "");

        ASSERT_NO_FATAL_FAILURE(leaveWithStatusZero(game(), desktop()));
    }

    QTemporaryDir fontRoot;
};

class OnlyAnotherFace : public MissingFont {
protected:
    QProcessEnvironment gameEnvironment() const override { return fontEnvironment({anotherFace()}); }
};

class NoFaceAtAll : public MissingFont {
protected:
    QProcessEnvironment gameEnvironment() const override { return fontEnvironment({}); }
};

TEST_F(OnlyAnotherFace, theGameStartsPlaysAndDrawsItsPanelInTheOnlyFaceThereIs)
{
    const QString face = anotherFace();
    ASSERT_FALSE(face.isEmpty()) << "this system has no TrueType or OpenType face besides the panel's";
    std::cout << "the only face: " << face.toStdString() << '\n';
    playAWhileAndLeave(QStringLiteral("only-another-face"));
}

TEST_F(NoFaceAtAll, theGameStartsPlaysAndDrawsItsPanelWithoutAnyFace)
{
    playAWhileAndLeave(QStringLiteral("no-face"));
}

} // namespace
} // namespace e2e

// gelumpa-assetgen OUTDIR: draws the pictures and icon and synthesises the recordings of the game,
// writing them to OUTDIR in the layout of the project's assets/ directory.
#include "CreditsPicture.h"
#include "EndPicture.h"
#include "IcoFile.h"
#include "Icon.h"
#include "ImageFiles.h"
#include "Lettering.h"
#include "Pieces.h"
#include "Recordings.h"
#include "Symbols.h"

#include <QDir>
#include <QGuiApplication>

#include <array>
#include <cstdio>

using namespace gelumpa::assetgen;

namespace {

// The colour-blind aid's pictures, at the board's size and at twice it for screens of an even scale.
bool writeSymbolPieces(const QDir& out)
{
    for (const PieceLook look : {PieceLook::Normal, PieceLook::Highlighted}) {
        for (int kind = 1; kind <= 5; ++kind) {
            const QString name = QStringLiteral("pieces/symbols/%1-%2")
                                     .arg(look == PieceLook::Normal ? "normal" : "highlighted")
                                     .arg(kind);
            if (!savePng(drawSymbolPiece(kind, look, 1), out.filePath(name + ".png"))
                || !savePng(drawSymbolPiece(kind, look, 2), out.filePath(name + "@2x.png")))
                return false;
        }
    }
    return true;
}

bool writePieces(const QDir& out)
{
    for (int kind = 1; kind <= 5; ++kind) {
        const QString number = QString::number(kind);
        if (!savePng(drawPiece(kind, PieceLook::Normal), out.filePath("pieces/normal-" + number + ".png"))
            || !savePng(drawPiece(kind, PieceLook::Highlighted), out.filePath("pieces/highlighted-" + number + ".png")))
            return false;
    }
    return writeSymbolPieces(out);
}

bool writeIcons(const QDir& out)
{
    const QImage icon = drawIcon();
    if (!saveBytes(encodeIco(icon), out.filePath("icon/gelumpa.ico")))
        return false;
    for (const int side : {32, 48, 64, 128, 256}) {
        if (!savePng(enlargeIcon(icon, side), out.filePath("icon/gelumpa-" + QString::number(side) + ".png")))
            return false;
    }
    return true;
}

bool writePictures(const QDir& out, const Lettering& lettering)
{
    return savePng(drawEndPicture(lettering), out.filePath("pictures/end.png"))
        && savePng(drawCreditsPicture(lettering), out.filePath("pictures/credits.png"));
}

bool writeSounds(const QDir& out)
{
    const std::array recordings{markRecording(), removeRecording(), endRecording(), aboutRecording()};
    for (std::size_t i = 0; i < recordings.size(); ++i) {
        if (!saveBytes(recordings[i], out.filePath("sounds/" + QString::number(i + 1) + ".wav")))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: gelumpa-assetgen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"pieces", "pieces/symbols", "icon", "pictures", "sounds"}) {
        if (!out.mkpath(sub)) {
            std::fprintf(stderr, "gelumpa-assetgen: cannot create %s\n", qPrintable(out.filePath(sub)));
            return 1;
        }
    }
    const std::optional<Lettering> lettering = Lettering::load();
    if (!lettering) {
        std::fprintf(stderr, "gelumpa-assetgen: the DejaVu fonts (fonts-dejavu) are missing\n");
        return 1;
    }
    if (!writePieces(out) || !writeIcons(out) || !writePictures(out, *lettering) || !writeSounds(out)) {
        std::fprintf(stderr, "gelumpa-assetgen: cannot write into %s\n", qPrintable(out.path()));
        return 1;
    }
    return 0;
}

// Protects the sound output: each recording is handed out whole and plays, a
// sound opens the device only while it plays, a new sound replaces the old, and
// whatever cannot be played is silence without delay. The device is opened and closed by
// the output's worker thread, so what it does is waited for.
#include <array>
#include <vector>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "UiTestGroups.h"
#include "audio/SoundOutput.h"
#include "audio/WaveImage.h"
#include "ui/EmbeddedSound.h"

namespace gelumpa::test {

class SoundTests : public QObject {
    Q_OBJECT

private slots:
    // That they are embedded uncompressed, as their files are, the assets tests prove.
    void eachRecordingIsHandedOutWholeAndPlays()
    {
        const auto recordings = embeddedRecordings();
        QCOMPARE(recordings.size(), std::size_t{4});
        for (int n = 1; n <= 4; ++n) {
            QFile file(QStringLiteral(":/sounds/%1.wav").arg(n));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto image = recordings[static_cast<std::size_t>(n - 1)];
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())),
                     file.readAll());
            SoundOutput audio(recordings);
            audio.play(static_cast<std::size_t>(n - 1));
            QTRY_VERIFY2(audio.deviceOpen(), qPrintable(QStringLiteral("recording %1").arg(n)));
        }
    }

    void aSoundKeepsTheDeviceOpenOnlyUntilShortlyAfterItHasDrained()
    {
        SoundOutput audio(embeddedRecordings());
        QVERIFY(!audio.deviceOpen());
        audio.play(0);
        QTRY_VERIFY(audio.deviceOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!audio.deviceOpen(), 3000);
        audio.play(1);
        QTRY_VERIFY(audio.deviceOpen());
    }

    void aNewSoundCutsTheOneStillPlayingShort()
    {
        SoundOutput audio(embeddedRecordings());
        audio.play(3); // over five seconds long
        QTRY_VERIFY(audio.deviceOpen());
        audio.play(0);
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(!audio.deviceOpen(), 3000);
        QVERIFY(clock.elapsed() < 2500);
    }

    // The samples are played where they lie, so the reader alone decides where they end: an odd
    // chunk's pad byte, a chunk after the samples and bytes beyond the RIFF size are no sound.
    void aWaveImagesSamplesAreFoundByItsChunkSizes()
    {
        const std::vector<std::uint8_t> image{
            'R', 'I', 'F', 'F', 62, 0, 0, 0, 'W', 'A', 'V', 'E',
            'j', 'u', 'n', 'k', 3, 0, 0, 0, 9, 9, 9, 0,
            'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1f, 0, 0, 0x40, 0x1f, 0, 0, 1, 0, 8, 0,
            'd', 'a', 't', 'a', 3, 0, 0, 0, 1, 2, 3, 0,
            'L', 'I', 'S', 'T', 2, 0, 0, 0, 7, 7, 7, 7};
        const auto wave = readWaveImage(image);
        QVERIFY(wave);
        QCOMPARE(wave->rate, 8000);
        QCOMPARE(wave->channels, 1);
        QCOMPARE(wave->bitsPerSample, 8);
        QCOMPARE(std::vector<std::uint8_t>(wave->samples.begin(), wave->samples.end()),
                 (std::vector<std::uint8_t>{1, 2, 3}));
        QCOMPARE(wave->samples.data(), image.data() + 56);
        const auto cut = readWaveImage(std::span(image).first(58));
        QVERIFY(cut);
        QCOMPARE(cut->samples.size(), std::size_t{2});
    }

    void whatCannotBePlayedIsSkippedInSilence()
    {
        const std::array<std::uint8_t, 12> notAWave{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'J', 'U', 'N', 'K'};
        SoundOutput audio({{}, notAWave});
        for (std::size_t recording : {0, 1, 2})
            audio.play(recording);
        QTRY_VERIFY(!audio.busy());
        QVERIFY(!audio.deviceOpen());
    }

    void withoutAnAudioDeviceSoundsAreSilentAndCostNoTime()
    {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        {
            SoundOutput audio(embeddedRecordings());
            QElapsedTimer clock;
            clock.start();
            for (std::size_t recording = 0; recording < 4; ++recording) {
                audio.play(recording);
                // Looked at every millisecond: the worker must give up that soon.
                while (audio.busy() && clock.elapsed() < 200)
                    QTest::qWait(1);
            }
            QVERIFY(!audio.busy());
            QVERIFY(!audio.deviceOpen());
            QVERIFY(clock.elapsed() < 200);
        }
        qputenv("SDL_AUDIODRIVER", driver);
    }
};

int runSoundTests(int argc, char** argv)
{
    SoundTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace gelumpa::test

#include "SoundTests.moc"

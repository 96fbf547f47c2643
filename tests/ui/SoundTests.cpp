// Protects the sound output: each recording is handed out whole and plays, a
// sound opens the device only while it plays, a new sound replaces the old, and
// whatever cannot be played is silence without delay. The device is opened and closed by
// the output's worker thread, so what it does is waited for.
#include <algorithm>
#include <vector>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "UiTestGroups.h"
#include "ui/EmbeddedSound.h"
#include "ui/SdlAudio.h"

namespace gelumpa::test {

class SoundTests : public QObject {
    Q_OBJECT

private slots:
    // That they are embedded uncompressed, as their files are, the assets tests prove. The game
    // plays from a buffer it fills anew for every sound, so the image must be taken at once.
    void eachRecordingIsHandedOutWholeAndTakenAtOnceByTheSoundOutput()
    {
        for (int n = 1; n <= 4; ++n) {
            QFile file(QStringLiteral(":/sounds/%1.wav").arg(n));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto image = embeddedRecording(n);
            std::vector<std::uint8_t> buffer(image.begin(), image.end());
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(buffer.data()), static_cast<qsizetype>(buffer.size())),
                     file.readAll());
            SdlAudio audio;
            audio.play(buffer);
            std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
            QTRY_VERIFY2(audio.deviceOpen(), qPrintable(QStringLiteral("recording %1").arg(n)));
        }
    }

    void aSoundKeepsTheDeviceOpenOnlyUntilShortlyAfterItHasDrained()
    {
        SdlAudio audio;
        QVERIFY(!audio.deviceOpen());
        audio.play(embeddedRecording(1));
        QTRY_VERIFY(audio.deviceOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!audio.deviceOpen(), 3000);
        audio.play(embeddedRecording(2));
        QTRY_VERIFY(audio.deviceOpen());
    }

    void aNewSoundCutsTheOneStillPlayingShort()
    {
        SdlAudio audio;
        audio.play(embeddedRecording(4)); // over five seconds long
        QTRY_VERIFY(audio.deviceOpen() && !audio.busy());
        audio.play(embeddedRecording(1));
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(!audio.deviceOpen(), 3000);
        QVERIFY(clock.elapsed() < 2500);
    }

    void whatCannotBePlayedIsSkippedInSilence()
    {
        SdlAudio audio;
        audio.play({});
        const std::array<std::uint8_t, 12> notAWave{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'J', 'U', 'N', 'K'};
        audio.play(notAWave);
        QTRY_VERIFY(!audio.busy());
        QVERIFY(!audio.deviceOpen());
    }

    void withoutAnAudioDeviceSoundsAreSilentAndCostNoTime()
    {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        {
            SdlAudio audio;
            QElapsedTimer clock;
            clock.start();
            for (int n = 1; n <= 4; ++n) {
                audio.play(embeddedRecording(n));
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

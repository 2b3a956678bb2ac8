// The event sounds: how long a wave file lasts, finding a file whatever the
// case of its name, and players that stay silent instead of failing.

#include "table/SoundPlayers.h"
#include "engine/Shoe.h"
#include "table/TablePresenter.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QFile>
#include <QtEndian>

#include <vector>

using namespace dealmoor;

namespace {

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray chunk(id, 4);
    char size[4];
    qToLittleEndian<quint32>(static_cast<quint32>(body.size()), size);
    chunk.append(size, 4).append(body);
    if (body.size() % 2 == 1)
        chunk.append('\0'); // chunks keep even sizes
    return chunk;
}

QByteArray Format(quint32 sampleRate, quint16 channels, quint16 bits) {
    QByteArray fmt(16, '\0');
    const quint32 byteRate = sampleRate * channels * bits / 8;
    qToLittleEndian<quint16>(1, fmt.data());
    qToLittleEndian<quint16>(channels, fmt.data() + 2);
    qToLittleEndian<quint32>(sampleRate, fmt.data() + 4);
    qToLittleEndian<quint32>(byteRate, fmt.data() + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(channels * bits / 8), fmt.data() + 12);
    qToLittleEndian<quint16>(bits, fmt.data() + 14);
    return Chunk("fmt ", fmt);
}

QByteArray Wave(const QByteArray& chunks) {
    return QByteArray("RIFF") + QByteArray(4, '\0') + QByteArray("WAVE") + chunks;
}

std::string Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName().toStdString();
}

// The table window's host, with every pause of the deal written down.
class PauseRecorder : public dealmoor::testing::ForwardingHost {
public:
    using ForwardingHost::ForwardingHost;
    void Pause(double seconds) override {
        pauses.push_back(seconds);
        ForwardingHost::Pause(seconds);
    }
    std::vector<double> pauses;
};

} // namespace

class SoundPlayersTest : public QObject {
    Q_OBJECT

private slots:
    void waveLength_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expectedMs"); // -1: not a wave file we can time
        const QByteArray halfSecond(22050, '\0');
        QTest::newRow("mono 16-bit 22050 Hz, half a second")
            << Wave(Format(22050, 1, 16) + Chunk("data", halfSecond)) << 500;
        QTest::newRow("an odd-sized chunk before the format")
            << Wave(Chunk("LIST", QByteArray(5, 'x')) + Format(22050, 1, 16) +
                    Chunk("data", halfSecond))
            << 500;
        QTest::newRow("stereo 44100 Hz, a quarter second")
            << Wave(Format(44100, 2, 16) + Chunk("data", QByteArray(44100, '\0'))) << 250;
        QTest::newRow("data before any format") << Wave(Chunk("data", halfSecond)) << -1;
        QTest::newRow("no data chunk") << Wave(Format(22050, 1, 16)) << -1;
        QTest::newRow("not a wave file") << QByteArray("just some text, not audio") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
    }

    void waveLength() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expectedMs);
        QTemporaryDir dir;
        const std::optional<int> length = WaveDurationMs(Write(dir, "sound.wav", bytes));
        QCOMPARE(length.value_or(-1), expectedMs);
    }

    void aMissingFileHasNoLength() { QVERIFY(!WaveDurationMs("/nonexistent/dmoor0.wav")); }

    void soundFilesAreFoundWhateverTheCaseOfTheirNames() {
        QTemporaryDir dir;
        const std::string actual = Write(dir, "dmoor4.wav", QByteArray("x"));
        const std::string asked = dir.path().toStdString() + "/DMOOR4.WAV";
        QCOMPARE(ResolveSoundFile(asked), actual);
        QCOMPARE(ResolveSoundFile(actual), actual);
        QCOMPARE(ResolveSoundFile(dir.path().toStdString() + "/dmoor9.wav"), std::string());
        QCOMPARE(ResolveSoundFile(""), std::string());
    }

    void missingOrBrokenFilesAreSilent() {
        QTemporaryDir dir;
        TableSettings settings;
        settings.CardSoundFile = dir.path().toStdString() + "/missing.wav";
        settings.ShuffleSoundFile = Write(dir, "broken.wav", QByteArray("RIFF....WAVEnothing"));
        settings.WinSoundFile = "";
        SoundPlayers players(settings);
        players.PlayCardSound();
        players.PlayWinSound();
        players.PlayShuffleSound(); // returns: nothing to wait for
        players.Preview(settings.CardSoundFile);
        players.Preview(settings.ShuffleSoundFile);
    }

    void aShuffleThatCannotSoundSaysSo_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("shuffleOn");
        const QByteArray wave = Wave(Format(22050, 1, 16) + Chunk("data", QByteArray(2205, '\0')));
        QTest::newRow("missing file") << QByteArray() << true << true;
        QTest::newRow("not a wave file") << QByteArray("riffle riffle") << true << true;
        QTest::newRow("a wave without its sound") << Wave(Format(22050, 1, 16)) << true << true;
        QTest::newRow("shuffle sound off") << wave << true << false;
        QTest::newRow("all sound off") << wave << false << true;
    }

    void aShuffleThatCannotSoundSaysSo() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, soundOn);
        QFETCH(bool, shuffleOn);
        QTemporaryDir dir;
        TableSettings settings;
        settings.SoundOn = soundOn;
        settings.ShuffleSoundOn = shuffleOn;
        settings.ShuffleSoundFile = bytes.isEmpty() ? dir.path().toStdString() + "/dmoor4.wav"
                                                    : Write(dir, "dmoor4.wav", bytes);
        SoundPlayers players(settings);
        QVERIFY(!players.PlayShuffleSound());
    }

    // Where the machine has no audio device, even the shipped shuffle stays silent.
    void theShippedShuffleSoundsWhereverThereIsSound() {
        TableSettings settings;
        settings.ShuffleSoundFile = testing::TestProgramDir() + "dmoor4.wav";
        SoundPlayers players(settings);
        QCOMPARE(players.PlayShuffleSound(), AudioOutputAvailable());
    }

    // The shuffle is seen: three pauses of 1.5 seconds (scaled by the speed)
    // instead of three sounds that were never heard.
    void aVisibleShuffleThatCannotSoundPausesInstead() {
        testing::StartedTable table;
        table.settings().ShuffleSoundFile = "/nonexistent/dmoor4.wav";
        table.window.setSpeed(Speed::VeryFast);
        PauseRecorder host(table.window.presenter());
        ShuffleShoe(table.game(), &host);
        QCOMPARE(host.pauses, std::vector<double>(3, 1.5));
        testing::RemoveSettingsFile();
    }
};

DEALMOOR_QTEST_MAIN(SoundPlayersTest)
#include "SoundPlayersTest.moc"

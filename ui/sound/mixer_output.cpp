#include "ui/sound/mixer_output.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>
#include <QtEndian>

namespace {

constexpr int SampleRate = 44100;
// The stream holds this much ahead: short enough that a sound follows the
// table closely, long enough that a busy frame does not starve it.
constexpr int BufferMs = 60;
constexpr int FeedMs = 10;

QAudioFormat Format()
{
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

std::vector<std::int16_t> ReadSoundFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt "
        || u16(20) != 1 || u16(22) != 1 || u32(24) != SampleRate || u16(34) != 16
        || bytes.mid(36, 4) != "data" || qint64(u32(40)) > bytes.size() - 44)
        return {};
    std::vector<std::int16_t> samples(u32(40) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(bytes.constData() + 44 + 2 * i);
    return samples;
}

TMixerOutput::TMixerOutput()
{
    FFeed.setInterval(FeedMs);
    connect(&FFeed, &QTimer::timeout, this, [this] { Feed(); });
}

TMixerOutput::~TMixerOutput()
{
    if (FSink) FSink->stop();
}

void TMixerOutput::Load()
{
    if (FLoaded) return;
    FLoaded = true;
    // The sounds are small and compiled in: read at once.
    for (int cue = 0; cue < SoundCueCount; ++cue)
        FMixer.SetSound(std::size_t(cue),
            ReadSoundFile(QUrl(SoundCueSource(TSoundCue(cue))).path().prepend(':')));
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return; // no audio device: silence
    FSink = std::make_unique<QAudioSink>(device, Format());
    FSink->setBufferSize(SampleRate * 2 * BufferMs / 1000);
    // Opened now, so the first sound does not wait for the server's answer.
    Open();
}

bool TMixerOutput::Open()
{
    if (FStream && FSink->state() != QAudio::StoppedState) return true;
    FStream = FSink->start();
    if (FStream && FSink->error() != QAudio::OpenError) return true;
    // The device could not be opened: silent from now on.
    FStream = nullptr;
    FSink.reset();
    return false;
}

void TMixerOutput::Play(TSoundCue cue)
{
    Load();
    if (!FSink || !Open()) return;
    FMixer.Start(std::size_t(cue));
    Feed();
    FFeed.start();
}

void TMixerOutput::SetVolume(int percent)
{
    // The slider moves evenly in loudness as the ear hears it.
    FMixer.SetGain(QAudio::convertVolume(qBound(0, percent, 100) / 100.0,
        QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}

void TMixerOutput::Feed()
{
    if (!FStream || !FMixer.Playing()) {
        // The stream runs dry and idles until the next sound.
        FFeed.stop();
        return;
    }
    const qint64 room = FSink->bytesFree() / 2;
    if (room <= 0) return;
    QByteArray chunk(room * 2, Qt::Uninitialized);
    FMixer.Mix(reinterpret_cast<std::int16_t*>(chunk.data()), std::size_t(room));
    FStream->write(chunk);
}

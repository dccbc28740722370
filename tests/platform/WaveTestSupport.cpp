#include "WaveTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace corvanta::test {

namespace {

std::uint32_t Get32(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t {p[0]} | (std::uint32_t {p[1]} << 8) | (std::uint32_t {p[2]} << 16)
        | (std::uint32_t {p[3]} << 24);
}

std::uint16_t Get16(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void Put(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

QString CueDirectory()
{
    return QStringLiteral(CORVANTA_CUE_DIR);
}

QString CuePath(std::string_view fileName)
{
    return CueDirectory() + QLatin1Char('/')
        + QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

Wave ReadWave(const QString& path)
{
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wave.problem = "cannot open " + path.toStdString();
        return wave;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.problem = "no RIFF/WAVE header";
        return wave;
    }
    if (Get32(bytes, 4) + 8u != static_cast<std::uint32_t>(bytes.size())) {
        wave.problem = "RIFF size does not match the file size";
        return wave;
    }
    bool formatSeen = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t length = Get32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + static_cast<qsizetype>(length) > bytes.size()) {
            wave.problem = "chunk " + id.toStdString() + " runs past the end";
            return wave;
        }
        if (id == "fmt ") {
            wave.format = Get16(bytes, body);
            wave.channels = Get16(bytes, body + 2);
            wave.sampleRate = static_cast<int>(Get32(bytes, body + 4));
            wave.bitsPerSample = Get16(bytes, body + 14);
            const std::uint32_t byteRate = Get32(bytes, body + 8);
            const int blockAlign = Get16(bytes, body + 12);
            if (blockAlign != wave.channels * wave.bitsPerSample / 8
                || byteRate != static_cast<std::uint32_t>(wave.sampleRate * blockAlign)) {
                wave.problem = "inconsistent fmt chunk";
                return wave;
            }
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen || wave.bitsPerSample != 16) {
                wave.problem = "data before fmt, or not 16 bits";
                return wave;
            }
            wave.samples.resize(length / 2);
            for (std::size_t i = 0; i < wave.samples.size(); ++i) {
                wave.samples[i] = static_cast<std::int16_t>(Get16(bytes, body + static_cast<qsizetype>(2 * i)));
            }
            wave.valid = true;
        }
        at = body + length + (length & 1);
    }
    if (!wave.valid && wave.problem.empty()) {
        wave.problem = "no data chunk";
    }
    return wave;
}

QByteArray MakeWave(int format, int channels, int sampleRate, int bitsPerSample, std::uint32_t dataBytes)
{
    const int blockAlign = channels * bitsPerSample / 8;
    QByteArray bytes("RIFF");
    Put(bytes, 36 + dataBytes, 4);
    bytes.append("WAVEfmt ");
    Put(bytes, 16, 4);
    Put(bytes, static_cast<std::uint32_t>(format), 2);
    Put(bytes, static_cast<std::uint32_t>(channels), 2);
    Put(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    Put(bytes, static_cast<std::uint32_t>(sampleRate * blockAlign), 4);
    Put(bytes, static_cast<std::uint32_t>(blockAlign), 2);
    Put(bytes, static_cast<std::uint32_t>(bitsPerSample), 2);
    bytes.append("data");
    Put(bytes, dataBytes, 4);
    bytes.append(QByteArray(static_cast<qsizetype>(dataBytes), '\0'));
    return bytes;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

double TonePower(std::span<const std::int16_t> samples, double frequencyHz, int sampleRate)
{
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequencyHz / sampleRate);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (const std::int16_t sample : samples) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
}

double ZeroCrossingFrequency(std::span<const std::int16_t> samples, int sampleRate)
{
    // Count sign changes from the first crossing to the last, so the estimate spans whole half
    // periods.
    int crossings = 0;
    std::size_t first = 0;
    std::size_t last = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if ((samples[i - 1] < 0) != (samples[i] < 0)) {
            if (crossings == 0) {
                first = i;
            }
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2) {
        return 0.0;
    }
    const double seconds = static_cast<double>(last - first) / sampleRate;
    return (crossings - 1) / (2.0 * seconds);
}

double Rms(std::span<const std::int16_t> samples)
{
    if (samples.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (const std::int16_t sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

std::vector<ToneRun> FindToneRuns(std::span<const std::int16_t> samples, int sampleRate, double lowHz, double highHz)
{
    const std::size_t frameLength = static_cast<std::size_t>(sampleRate) * kFrameMs / 1000;
    const std::size_t frameCount = samples.size() / frameLength;
    std::vector<double> levels(frameCount);
    for (std::size_t f = 0; f < frameCount; ++f) {
        levels[f] = Rms(samples.subspan(f * frameLength, frameLength));
    }
    const double loudest = levels.empty() ? 0.0 : *std::max_element(levels.begin(), levels.end());
    std::vector<ToneRun> runs;
    for (std::size_t f = 0; f < frameCount; ++f) {
        if (loudest <= 0.0 || levels[f] < loudest * 0.01) {
            continue;
        }
        const auto frame = samples.subspan(f * frameLength, frameLength);
        const double tone
            = TonePower(frame, lowHz, sampleRate) >= TonePower(frame, highHz, sampleRate) ? lowHz : highHz;
        const int index = static_cast<int>(f);
        if (!runs.empty() && runs.back().frequencyHz == tone && runs.back().firstFrame + runs.back().frames == index) {
            ++runs.back().frames;
        } else {
            runs.push_back(ToneRun {tone, index, 1});
        }
    }
    return runs;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    // A short repeating timer wakes the event loop, so conditions that change outside Qt (a file
    // another process writes) are seen too.
    QTimer tick;
    tick.start(5);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return condition();
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

CurrentDirectory::CurrentDirectory(const QString& directory)
    : previous_(QDir::currentPath())
{
    QDir::setCurrent(directory);
}

CurrentDirectory::~CurrentDirectory()
{
    QDir::setCurrent(previous_);
}

// A WAV file of a 880 Hz tone (0.4 s, then 0.3 s of silence) in the given encoding. `extensible`
// writes the 40-byte format chunk with its sub-format GUID, as sound editors do for deep samples.
QByteArray ToneWave(int format, int bits, int channels, int rate, bool extensible)
{
    const int frames = rate * 7 / 10;
    const int bytes = bits / 8;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = i < rate * 4 / 10 ? 0.5 * std::sin(2 * 3.14159265358979 * 880.0 * i / rate) : 0.0;
        for (int c = 0; c < channels; ++c) {
            std::uint32_t word = 0;
            if (format == 3) {
                const float f = static_cast<float>(v);
                std::memcpy(&word, &f, 4);
            } else if (bits == 8) {
                word = static_cast<std::uint32_t>(std::lround(128 + v * 127));
            } else {
                word = static_cast<std::uint32_t>(std::lround(v * ((1LL << (bits - 1)) - 1)));
            }
            for (int b = 0; b < bytes; ++b) {
                data.append(static_cast<char>((word >> (8 * b)) & 0xFF));
            }
        }
    }
    const auto le = [](QByteArray& out, std::uint32_t value, int n) {
        for (int i = 0; i < n; ++i) {
            out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    QByteArray fmt;
    le(fmt, extensible ? 0xFFFE : static_cast<std::uint32_t>(format), 2);
    le(fmt, static_cast<std::uint32_t>(channels), 2);
    le(fmt, static_cast<std::uint32_t>(rate), 4);
    le(fmt, static_cast<std::uint32_t>(rate * channels * bytes), 4);
    le(fmt, static_cast<std::uint32_t>(channels * bytes), 2);
    le(fmt, static_cast<std::uint32_t>(bits), 2);
    if (extensible) {
        le(fmt, 22, 2);
        le(fmt, static_cast<std::uint32_t>(bits), 2);
        le(fmt, channels == 2 ? 3 : 4, 4);
        le(fmt, static_cast<std::uint32_t>(format), 2);
        fmt.append(QByteArray::fromHex("000000001000800000aa00389b71"));
    }
    QByteArray file("RIFF");
    le(file, static_cast<std::uint32_t>(4 + 8 + fmt.size() + 8 + data.size()), 4);
    file.append("WAVEfmt ");
    le(file, static_cast<std::uint32_t>(fmt.size()), 4);
    file.append(fmt);
    file.append("data");
    le(file, static_cast<std::uint32_t>(data.size()), 4);
    file.append(data);
    return file;
}

} // namespace corvanta::test

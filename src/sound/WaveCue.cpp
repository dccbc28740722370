#include "WaveCue.h"

#include "SoundLog.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace corvanta {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;
// The tail shared by the sub-format GUIDs of PCM and float (KSDATAFORMAT_SUBTYPE_*).
constexpr unsigned char kSubFormatTail[14]
    = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr int kMaxChunksBeforeData = 64;

std::uint32_t le(const char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

struct Format {
    std::uint16_t encoding = 0; // kPcm or kFloat
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

std::optional<Format> parseFormat(QByteArrayView chunk, QString& refusal)
{
    if (chunk.size() < 16) {
        refusal = QStringLiteral("its format chunk is cut short");
        return std::nullopt;
    }
    const char* b = chunk.data();
    Format f {static_cast<std::uint16_t>(le(b, 2)), static_cast<int>(le(b + 2, 2)), static_cast<int>(le(b + 4, 4)),
        static_cast<int>(le(b + 14, 2)), static_cast<int>(le(b + 12, 2))};
    if (f.encoding == kExtensible) {
        if (chunk.size() < 40 || std::memcmp(b + 26, kSubFormatTail, sizeof kSubFormatTail) != 0) {
            refusal = QStringLiteral("its extensible header names neither PCM nor float");
            return std::nullopt;
        }
        f.encoding = static_cast<std::uint16_t>(le(b + 24, 2));
    }
    const bool pcm = f.encoding == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool floating = f.encoding == kFloat && f.bits == 32;
    if (!(pcm || floating) || f.channels < 1 || f.channels > 2 || f.rate < 8000 || f.rate > 192000
        || f.blockAlign != f.channels * f.bits / 8) {
        refusal = QStringLiteral("its encoding (format %1, %2 bits, %3 channels, %4 frames a second) is not one "
                                 "of PCM of 8, 16, 24 or 32 bits or 32-bit float, mono or stereo, 8000 to 192000 "
                                 "frames a second")
                      .arg(f.encoding)
                      .arg(f.bits)
                      .arg(f.channels)
                      .arg(f.rate);
        return std::nullopt;
    }
    return f;
}

std::int16_t toPcm16(const char* sample, const Format& f)
{
    switch (f.bits) {
    case 8:
        return static_cast<std::int16_t>((static_cast<int>(static_cast<unsigned char>(sample[0])) - 128) * 256);
    case 16:
        return static_cast<std::int16_t>(le(sample, 2));
    case 24:
        return static_cast<std::int16_t>(le(sample + 1, 2));
    default:
        if (f.encoding == kFloat) {
            float value = 0;
            const std::uint32_t word = le(sample, 4);
            std::memcpy(&value, &word, sizeof value);
            if (!std::isfinite(value)) {
                return 0;
            }
            return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
        }
        return static_cast<std::int16_t>(le(sample + 2, 2));
    }
}

void appendLe(QByteArray& out, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

QByteArray pcm16Samples(const Format& f, QByteArrayView samples)
{
    const qsizetype frames = samples.size() / f.blockAlign;
    const int bytesPerSample = f.bits / 8;
    QByteArray out;
    out.reserve(frames * f.channels * 2);
    for (qsizetype i = 0; i < frames * f.channels; ++i) {
        appendLe(out, static_cast<std::uint16_t>(toPcm16(samples.data() + i * bytesPerSample, f)), 2);
    }
    return out;
}

} // namespace

std::optional<Pcm16Cue> convertWaveToPcm16(QByteArrayView file, QString* refusal)
{
    QString why;
    std::optional<Format> format;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != QByteArrayView("WAVE")) {
        why = QStringLiteral("it is not a WAV file");
    }
    qsizetype offset = 12;
    for (int chunk = 0; why.isEmpty() && chunk < kMaxChunksBeforeData && offset + 8 <= file.size(); ++chunk) {
        const QByteArrayView id = file.sliced(offset, 4);
        const qsizetype length = le(file.data() + offset + 4, 4);
        const qsizetype body = offset + 8;
        if (length > file.size() - body) {
            why = QStringLiteral("it is truncated");
        } else if (id == QByteArrayView("fmt ")) {
            format = parseFormat(file.sliced(body, length), why);
        } else if (id == QByteArrayView("data")) {
            if (!format || length < format->blockAlign) {
                why = QStringLiteral("its sound data comes without a format or holds no frame");
                break;
            }
            return Pcm16Cue {format->channels, format->rate, pcm16Samples(*format, file.sliced(body, length))};
        }
        offset = body + length + (length & 1); // chunks are padded to even sizes
    }
    if (refusal != nullptr) {
        *refusal = why.isEmpty() ? QStringLiteral("it holds no sound data") : why;
    }
    return std::nullopt;
}

std::optional<Pcm16Cue> readCueAsPcm16(const QString& path)
{
    // Look before opening: a named pipe would block the open, a directory cannot be played, and a
    // huge file is not a cue.
    const QFileInfo info(path);
    QString refusal;
    if (!info.exists()) {
        refusal = QStringLiteral("it is missing");
    } else if (!info.isReadable()) {
        refusal = QStringLiteral("it cannot be read");
    } else if (!info.isFile()) {
        refusal = QStringLiteral("it is not a regular file");
    } else if (info.size() > kMaxCueFileBytes) {
        refusal = QStringLiteral("it is larger than %1 bytes").arg(kMaxCueFileBytes);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            refusal = QStringLiteral("it cannot be read: %1").arg(file.errorString());
        } else if (const QByteArray bytes = file.read(kMaxCueFileBytes + 1); bytes.size() > kMaxCueFileBytes) {
            refusal = QStringLiteral("it is larger than %1 bytes").arg(kMaxCueFileBytes);
        } else if (std::optional<Pcm16Cue> cue = convertWaveToPcm16(bytes, &refusal)) {
            return cue;
        }
    }
    qCInfo(lcSound, "cue %s refused: %s", qUtf8Printable(path), qUtf8Printable(refusal));
    return std::nullopt;
}

} // namespace corvanta

#include "WaveCue.h"

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

std::optional<Format> parseFormat(QByteArrayView chunk)
{
    if (chunk.size() < 16) {
        return std::nullopt;
    }
    const char* b = chunk.data();
    Format f {static_cast<std::uint16_t>(le(b, 2)), static_cast<int>(le(b + 2, 2)), static_cast<int>(le(b + 4, 4)),
        static_cast<int>(le(b + 14, 2)), static_cast<int>(le(b + 12, 2))};
    if (f.encoding == kExtensible) {
        if (chunk.size() < 40 || std::memcmp(b + 26, kSubFormatTail, sizeof kSubFormatTail) != 0) {
            return std::nullopt;
        }
        f.encoding = static_cast<std::uint16_t>(le(b + 24, 2));
    }
    const bool pcm = f.encoding == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool floating = f.encoding == kFloat && f.bits == 32;
    if (!(pcm || floating) || f.channels < 1 || f.channels > 2 || f.rate < 8000 || f.rate > 192000
        || f.blockAlign != f.channels * f.bits / 8) {
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

QByteArray pcm16Wave(const Format& f, QByteArrayView samples)
{
    const qsizetype frames = samples.size() / f.blockAlign;
    const auto dataBytes = static_cast<std::uint32_t>(frames * f.channels * 2);
    QByteArray out;
    out.reserve(44 + dataBytes);
    out.append("RIFF");
    appendLe(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);
    appendLe(out, kPcm, 2);
    appendLe(out, static_cast<std::uint32_t>(f.channels), 2);
    appendLe(out, static_cast<std::uint32_t>(f.rate), 4);
    appendLe(out, static_cast<std::uint32_t>(f.rate * f.channels * 2), 4);
    appendLe(out, static_cast<std::uint32_t>(f.channels * 2), 2);
    appendLe(out, 16, 2);
    out.append("data");
    appendLe(out, dataBytes, 4);
    const int bytesPerSample = f.bits / 8;
    for (qsizetype i = 0; i < frames * f.channels; ++i) {
        appendLe(out, static_cast<std::uint16_t>(toPcm16(samples.data() + i * bytesPerSample, f)), 2);
    }
    return out;
}

} // namespace

std::optional<QByteArray> convertWaveToPcm16(QByteArrayView file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != QByteArrayView("WAVE")) {
        return std::nullopt;
    }
    std::optional<Format> format;
    qsizetype offset = 12;
    for (int chunk = 0; chunk < kMaxChunksBeforeData && offset + 8 <= file.size(); ++chunk) {
        const QByteArrayView id = file.sliced(offset, 4);
        const qsizetype length = le(file.data() + offset + 4, 4);
        const qsizetype body = offset + 8;
        if (length > file.size() - body) {
            return std::nullopt; // truncated
        }
        if (id == QByteArrayView("fmt ")) {
            format = parseFormat(file.sliced(body, length));
            if (!format) {
                return std::nullopt;
            }
        } else if (id == QByteArrayView("data")) {
            if (!format || length < format->blockAlign) {
                return std::nullopt;
            }
            return pcm16Wave(*format, file.sliced(body, length));
        }
        offset = body + length + (length & 1); // chunks are padded to even sizes
    }
    return std::nullopt;
}

std::optional<QByteArray> readCueAsPcm16(const QString& path)
{
    // Look before opening: a named pipe would block the open, a directory cannot be played, and a
    // huge file is not a cue.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxCueFileBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxCueFileBytes + 1);
    if (bytes.size() > kMaxCueFileBytes) {
        return std::nullopt;
    }
    return convertWaveToPcm16(bytes);
}

} // namespace corvanta

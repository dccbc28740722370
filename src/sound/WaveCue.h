#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace corvanta {

// Larger files are not read: a cue lasts a second or two.
inline constexpr qint64 kMaxCueFileBytes = 16 * 1024 * 1024;

// A cue as the sound server takes it: interleaved signed 16-bit little-endian samples.
struct Pcm16Cue {
    int channels = 0;
    int rate = 0; // frames a second
    QByteArray samples;
};

// A teacher may replace a cue with any WAV a sound editor writes: PCM of 8 (unsigned), 16, 24 or
// 32 bits, or 32-bit float, mono or stereo, 8,000 to 192,000 frames a second, in the plain or the
// extensible header form. Every cue is converted to 16-bit PCM in memory.
//
// Returns the cue, or nothing, without blocking, for anything else: a missing or unreadable file, a
// directory, a named pipe, a file over kMaxCueFileBytes, another encoding, a corrupt or truncated
// header. Why a file was refused goes to the lcSound logging category.
std::optional<Pcm16Cue> readCueAsPcm16(const QString& path);

// The same for the bytes of a file; `refusal` receives why they are no cue.
std::optional<Pcm16Cue> convertWaveToPcm16(QByteArrayView file, QString* refusal = nullptr);

} // namespace corvanta

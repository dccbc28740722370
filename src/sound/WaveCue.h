#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace corvanta {

// Larger files are not read: a cue lasts a second or two.
inline constexpr qint64 kMaxCueFileBytes = 16 * 1024 * 1024;

// A teacher may replace a cue with any WAV a sound editor writes: PCM of 8 (unsigned), 16, 24 or
// 32 bits, or 32-bit float, mono or stereo, 8,000 to 192,000 frames a second, in the plain or the
// extensible header form. The player cannot decode all of these, so every cue is converted to
// 16-bit PCM in memory and handed over as that.
//
// Returns the cue as a canonical 16-bit PCM WAV image, or nothing, without blocking, for anything
// else: a missing or unreadable file, a directory, a named pipe, a file over kMaxCueFileBytes,
// another encoding, a corrupt or truncated header.
std::optional<QByteArray> readCueAsPcm16(const QString& path);

// The same for the bytes of a file.
std::optional<QByteArray> convertWaveToPcm16(QByteArrayView file);

} // namespace corvanta

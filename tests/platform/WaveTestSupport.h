#pragma once

// Helpers for the cue tests: reading and writing WAV files, measuring tones, waiting on conditions
// while Qt events run, and switching the current directory for a test.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace corvanta::test {

// Where the build writes the generated cues.
QString CueDirectory();
QString CuePath(std::string_view fileName);

struct Wave {
    bool valid = false;
    std::string problem; // why the file did not parse, when it did not
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

// A full parse of a 16-bit PCM WAV file: every chunk, every sample.
Wave ReadWave(const QString& path);

// A canonical 44-byte WAV header followed by dataBytes bytes of silence. The fields are taken as
// given, so the result may be deliberately wrong.
QByteArray MakeWave(int format, int channels, int sampleRate, int bitsPerSample, std::uint32_t dataBytes);

bool WriteBytes(const QString& path, const QByteArray& bytes);

// A WAV file of an 880 Hz tone (0.4 s, then 0.3 s of silence) in the given encoding (format 1 PCM or
// 3 float). `extensible` writes the 40-byte format chunk with its sub-format GUID.
QByteArray ToneWave(int format, int bits, int channels, int rate, bool extensible);

// Power of one frequency over a block of samples (Goertzel).
double TonePower(std::span<const std::int16_t> samples, double frequencyHz, int sampleRate);
// Frequency estimated from the zero crossings of a block.
double ZeroCrossingFrequency(std::span<const std::int16_t> samples, int sampleRate);
double Rms(std::span<const std::int16_t> samples);

// A stretch of consecutive frames in which one of two tones sounds.
struct ToneRun {
    double frequencyHz = 0.0;
    int firstFrame = 0;
    int frames = 0;
};
inline constexpr int kFrameMs = 10;
// Cuts the samples into kFrameMs frames; a frame whose level is within 40 dB of the loudest frame
// sounds, and belongs to whichever of the two tones is stronger in it. Returns the runs in order.
std::vector<ToneRun> FindToneRuns(std::span<const std::int16_t> samples, int sampleRate, double lowHz, double highHz);

// Runs Qt events until condition() holds or the timeout passes; returns condition().
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Makes a directory the current one for its lifetime.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& directory);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    QString previous_;
};

} // namespace corvanta::test

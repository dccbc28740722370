#pragma once

#include "platform/MediaControl.h"
#include "sound/WaveCue.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class QSoundEffect;

namespace corvanta {

// The media control on top of Qt Multimedia's QSoundEffect.
//
//   "Stop"   stops the cue that is sounding (and a play that waits for its file to load).
//   "Close"  releases the open file.
//   "Open"   opens the file last given with SetFileName, resolved against the current directory.
//   "Sound"  starts playing the open file and returns at once; if the file is still loading, it
//            starts as soon as it has loaded.
//
// No command blocks, throws or reports anything. Before a file reaches QSoundEffect, "Open" checks
// that it is a regular file of at most kMaxFileBytes holding a PCM or float WAV (readCueAsPcm16); anything
// else (missing, unreadable, a directory, a named pipe, corrupt or truncated) is refused and stays
// silent. Each opened file gets its own QSoundEffect, created only then, so a program whose cues
// are all missing never touches the audio system.
class SoundEffectMediaControl final : public MediaControl {
public:
    // Larger files are skipped without being read: a cue is a fraction of a second.
    static constexpr std::int64_t kMaxFileBytes = kMaxCueFileBytes;
    // The longest the destructor and SettleBeforeExit wait for files to finish loading.
    static constexpr int kSettleTimeoutMs = 500;

    // settleTimeoutMs bounds the wait for loading files when the control goes (see SettleBeforeExit).
    explicit SoundEffectMediaControl(int settleTimeoutMs = kSettleTimeoutMs);
    ~SoundEffectMediaControl() override;
    SoundEffectMediaControl(const SoundEffectMediaControl&) = delete;
    SoundEffectMediaControl& operator=(const SoundEffectMediaControl&) = delete;

    void SetCommand(std::string_view command) override;
    void SetFileName(std::string_view fileName) override;

    // Waits, at most kSettleTimeoutMs and processing events, until no file is loading any more.
    // Destroying a QSoundEffect, or quitting, while its file loads can hang or crash in Qt 6.4; the
    // destructor calls this, and the program calls it before it quits.
    void SettleBeforeExit() override;

    // True when a file passed the checks of "Open" and was handed to QSoundEffect.
    bool IsOpen() const { return open_; }
    // Absolute path of the open file; empty when nothing is open.
    QString OpenFileName() const { return openFileName_; }
    // How many times play() was called on QSoundEffect: each "Sound" of a file that has loaded.
    int PlaysStarted() const { return playsStarted_; }
    // True while any file this control opened is still being loaded by QSoundEffect.
    bool IsLoading() const;

    // The check that "Open" applies (see readCueAsPcm16).
    static bool IsPlayableWaveFile(const QString& path);

private:
    void Stop();
    void Close();
    void Open();
    void Sound();
    void StartPlay();
    void OnStatusChanged();
    void DestroySettledEffects();

    // The effect of the open file, if any.
    std::unique_ptr<QSoundEffect> effect_;
    // Effects closed while their file was still loading; destroyed once it has loaded.
    std::vector<std::unique_ptr<QSoundEffect>> closing_;
    QString fileName_;
    QString openFileName_;
    bool open_ = false;
    bool playWhenLoaded_ = false;
    int playsStarted_ = 0;
    int settleTimeoutMs_;
    // The receiver of the effects' status handlers: disconnects them when the control goes.
    QObject handlerContext_;
};

} // namespace corvanta

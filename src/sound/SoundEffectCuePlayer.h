#pragma once

#include "core/CuePlayer.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <vector>

class QSoundEffect;

namespace corvanta {

// The cue player on Qt Multimedia's QSoundEffect.
//
// open() checks and converts the file (readCueAsPcm16) before anything of the sound system is
// touched, so a file that cannot be played costs nothing and a program whose cues are missing never
// connects to a sound server. A loaded cue is kept while its file stays unchanged: pressing Init
// again replays it without reading and decoding it anew.
class SoundEffectCuePlayer final : public CuePlayer {
public:
    // settleBound: the longest settle(), and the destructor, wait for cues still loading.
    explicit SoundEffectCuePlayer(std::chrono::milliseconds settleBound = std::chrono::milliseconds(500));
    ~SoundEffectCuePlayer() override;
    SoundEffectCuePlayer(const SoundEffectCuePlayer&) = delete;
    SoundEffectCuePlayer& operator=(const SoundEffectCuePlayer&) = delete;

    void stop() override;
    void close() override;
    void open(std::string_view fileName) override;
    void play() override;
    // Destroying a QSoundEffect, or quitting, while its file loads can hang or crash (Qt 6.4).
    void settle() override;

private:
    struct LoadedCue {
        QString path;
        qint64 size;
        QDateTime modified;
        std::unique_ptr<QSoundEffect> effect;
    };
    bool loading() const;
    void dropSettled();

    std::chrono::milliseconds settleBound_;
    std::vector<LoadedCue> loaded_;
    // Replaced while still loading: destroyed once settled.
    std::vector<std::unique_ptr<QSoundEffect>> retired_;
    QSoundEffect* open_ = nullptr;
    bool playWhenLoaded_ = false;
    // The receiver of the effects' status handlers: they end with this player, even for an effect
    // that outlives it because it was still loading.
    QObject handlerContext_;
};

} // namespace corvanta

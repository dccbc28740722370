#pragma once

#include "core/CuePlayer.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace corvanta {

// The cue player as the program holds it from the start. The real player, with Qt Multimedia and
// the sound system behind it, lives in a library loaded at the first cue: linking it would cost
// every start-up a few milliseconds and two megabytes. Without the library the cues are silent.
class DeferredCuePlayer final : public CuePlayer {
public:
    static constexpr char kLibraryName[] = "libcorvanta_sound.so";

    // The library is looked up in these folders, in order.
    explicit DeferredCuePlayer(QStringList folders);
    ~DeferredCuePlayer() override;

    void stop() override;
    void close() override;
    void open(std::string_view fileName) override;
    void play() override;
    void settle() override;

private:
    CuePlayer* player();

    QStringList folders_;
    bool tried_ = false;
    QLibrary library_;
    std::unique_ptr<CuePlayer> player_;
};

} // namespace corvanta

#pragma once

#include "MediaControl.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace corvanta {

// The media control as the program holds it from the start: the real player, with Qt Multimedia
// and the sound system behind it, is loaded from a shared library at the first cue. Starting the
// program then costs none of that, and a missing library leaves the program silent, as a missing
// cue file does.
class DeferredMediaControl final : public MediaControl {
public:
    // The library's file name is looked up in these folders, in order.
    explicit DeferredMediaControl(QStringList folders);
    ~DeferredMediaControl() override;

    void SetCommand(std::string_view command) override;
    void SetFileName(std::string_view fileName) override;
    void SettleBeforeExit() override;

    // Whether the player was found and loaded (it is tried once, at the first command).
    bool Loaded() const { return player_ != nullptr; }

    static constexpr char kLibraryName[] = "libcorvanta_sound.so";
    // The library's entry point: returns a new player, owned by the caller.
    static constexpr char kFactoryName[] = "corvanta_create_media_control";

private:
    MediaControl* Player();

    QStringList folders_;
    bool tried_ = false;
    QLibrary library_;
    std::unique_ptr<MediaControl> player_;
};

} // namespace corvanta

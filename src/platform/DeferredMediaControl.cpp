#include "DeferredMediaControl.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace corvanta {

DeferredMediaControl::DeferredMediaControl(QStringList folders)
    : folders_(std::move(folders))
{
}

DeferredMediaControl::~DeferredMediaControl()
{
    // The player goes before the library that holds its code. The library stays mapped: Qt
    // Multimedia may still have threads running code from it until the process ends.
    player_.reset();
}

MediaControl* DeferredMediaControl::Player()
{
    if (tried_) {
        return player_.get();
    }
    tried_ = true;
    for (const QString& folder : folders_) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kLibraryName));
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        library_.setFileName(path);
        library_.setLoadHints(QLibrary::PreventUnloadHint);
        using Factory = MediaControl* (*)();
        if (auto factory = reinterpret_cast<Factory>(library_.resolve(kFactoryName))) {
            player_.reset(factory());
            return player_.get();
        }
    }
    std::fprintf(stderr, "corvanta: warning: the sound player (%s) was not found; cues are silent\n", kLibraryName);
    return nullptr;
}

void DeferredMediaControl::SetCommand(std::string_view command)
{
    if (MediaControl* player = Player()) {
        player->SetCommand(command);
    }
}

void DeferredMediaControl::SetFileName(std::string_view fileName)
{
    if (MediaControl* player = Player()) {
        player->SetFileName(fileName);
    }
}

void DeferredMediaControl::SettleBeforeExit()
{
    // Never loads the player just to settle it.
    if (player_ != nullptr) {
        player_->SettleBeforeExit();
    }
}

} // namespace corvanta

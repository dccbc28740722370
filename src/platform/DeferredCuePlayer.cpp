#include "DeferredCuePlayer.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace corvanta {

DeferredCuePlayer::DeferredCuePlayer(QStringList folders)
    : folders_(std::move(folders))
{
}

DeferredCuePlayer::~DeferredCuePlayer()
{
    // The player goes before the library that holds its code; the library itself stays mapped, as
    // Qt Multimedia's threads may still run code from it until the process ends.
    player_.reset();
}

CuePlayer* DeferredCuePlayer::player()
{
    if (tried_) {
        return player_.get();
    }
    tried_ = true;
    QString path;
    for (const QString& folder : std::as_const(folders_)) {
        if (QFileInfo(QDir(folder), QString::fromLatin1(kLibraryName)).isFile()) {
            path = QDir(folder).filePath(QString::fromLatin1(kLibraryName));
            break;
        }
    }
    library_.setFileName(path);
    library_.setLoadHints(QLibrary::PreventUnloadHint);
    QString problem;
    if (path.isEmpty()) {
        problem = QStringLiteral("%1 is in none of %2").arg(QString::fromLatin1(kLibraryName), folders_.join(u", "));
    } else if (!library_.load()) {
        problem = library_.errorString();
    } else {
        using Version = int (*)();
        using Create = CuePlayer* (*)();
        const auto version = reinterpret_cast<Version>(library_.resolve("corvanta_cue_player_interface"));
        const auto create = reinterpret_cast<Create>(library_.resolve("corvanta_create_cue_player"));
        if (version == nullptr || create == nullptr || version() != kInterfaceVersion) {
            problem = QStringLiteral("%1 was built for another version of the program").arg(path);
        } else {
            player_.reset(create());
        }
    }
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "corvanta: cues are silent: %s\n", problem.toLocal8Bit().constData());
    }
    return player_.get();
}

void DeferredCuePlayer::stop()
{
    if (CuePlayer* p = player()) {
        p->stop();
    }
}

void DeferredCuePlayer::close()
{
    if (CuePlayer* p = player()) {
        p->close();
    }
}

void DeferredCuePlayer::open(std::string_view fileName)
{
    if (CuePlayer* p = player()) {
        p->open(fileName);
    }
}

void DeferredCuePlayer::play()
{
    if (CuePlayer* p = player()) {
        p->play();
    }
}

void DeferredCuePlayer::settle()
{
    // Never loads the player just to settle it.
    if (player_) {
        player_->settle();
    }
}

} // namespace corvanta

#include "SoundEffectCuePlayer.h"

#include "WaveCue.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace corvanta {

SoundEffectCuePlayer::SoundEffectCuePlayer(std::chrono::milliseconds settleBound)
    : settleBound_(settleBound)
{
}

SoundEffectCuePlayer::~SoundEffectCuePlayer()
{
    playWhenLoaded_ = false;
    settle();
    for (LoadedCue& cue : loaded_) {
        retired_.push_back(std::move(cue.effect));
    }
    for (auto& effect : retired_) {
        if (effect->status() == QSoundEffect::Loading) {
            // Destroying it now could hang: the event loop deletes it later, if the program goes on.
            effect.release()->deleteLater();
        }
    }
}

void SoundEffectCuePlayer::stop()
{
    playWhenLoaded_ = false;
    if (open_ != nullptr) {
        open_->stop();
    }
}

void SoundEffectCuePlayer::close()
{
    stop();
    open_ = nullptr;
}

void SoundEffectCuePlayer::open(std::string_view fileName)
{
    close();
    dropSettled();
    const QString name = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    if (name.isEmpty() || name.contains(QChar(0))) {
        return;
    }
    const QFileInfo info(name); // relative to the current directory now
    const QString path = info.absoluteFilePath();
    const auto same = std::ranges::find(loaded_, path, &LoadedCue::path);
    if (same != loaded_.end() && same->size == info.size() && same->modified == info.lastModified()
        && same->effect->status() != QSoundEffect::Error) {
        open_ = same->effect.get();
        return;
    }
    if (same != loaded_.end()) {
        retired_.push_back(std::move(same->effect));
        loaded_.erase(same);
    }
    const std::optional<QByteArray> wave = readCueAsPcm16(path);
    if (!wave) {
        return;
    }
    auto effect = std::make_unique<QSoundEffect>();
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &handlerContext_, [this, e = effect.get()] {
        if (e == open_ && playWhenLoaded_ && e->status() != QSoundEffect::Loading) {
            playWhenLoaded_ = false;
            if (e->status() == QSoundEffect::Ready) {
                e->play();
            }
        }
    });
    // Handed over from memory: the player never opens the file again, whatever becomes of it.
    effect->setSource(QUrl(QStringLiteral("data:audio/wav;base64,") + QString::fromLatin1(wave->toBase64())));
    open_ = effect.get();
    loaded_.push_back({path, info.size(), info.lastModified(), std::move(effect)});
}

void SoundEffectCuePlayer::play()
{
    if (open_ == nullptr) {
        return;
    }
    if (open_->status() == QSoundEffect::Ready) {
        open_->play();
    } else if (open_->status() == QSoundEffect::Loading) {
        playWhenLoaded_ = true;
    }
}

bool SoundEffectCuePlayer::loading() const
{
    const auto isLoading = [](const QSoundEffect* e) { return e->status() == QSoundEffect::Loading; };
    return std::ranges::any_of(loaded_, [&](const LoadedCue& c) { return isLoading(c.effect.get()); })
        || std::ranges::any_of(retired_, [&](const auto& e) { return isLoading(e.get()); });
}

void SoundEffectCuePlayer::dropSettled()
{
    std::erase_if(retired_, [](const auto& e) { return e->status() != QSoundEffect::Loading; });
}

void SoundEffectCuePlayer::settle()
{
    if (loading()) {
        // A loaded file arrives through queued signals: the wait has to run an event loop.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!loading()) {
                loop.quit();
            }
        });
        QTimer::singleShot(settleBound_, &loop, &QEventLoop::quit);
        poll.start(5);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    dropSettled();
}

} // namespace corvanta

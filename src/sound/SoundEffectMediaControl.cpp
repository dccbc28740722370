#include "sound/SoundEffectMediaControl.h"

#include "sound/WaveCue.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace corvanta {

namespace {

bool SameCommand(std::string_view given, std::string_view expected)
{
    return given.size() == expected.size()
        && std::equal(given.begin(), given.end(), expected.begin(), [](char a, char b) {
               const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(a) == lower(b);
           });
}

} // namespace

SoundEffectMediaControl::SoundEffectMediaControl(int settleTimeoutMs)
    : settleTimeoutMs_(settleTimeoutMs)
{
}

SoundEffectMediaControl::~SoundEffectMediaControl()
{
    playWhenLoaded_ = false;
    SettleBeforeExit();
    if (effect_) {
        closing_.push_back(std::move(effect_));
    }
    for (auto& effect : closing_) {
        effect->stop();
        if (effect->status() == QSoundEffect::Loading) {
            // Still loading after the bounded wait: destroying it now could hang, so leave it to the
            // event loop, which deletes it later if the program goes on.
            effect.release()->deleteLater();
        }
    }
    closing_.clear();
}

void SoundEffectMediaControl::SetCommand(std::string_view command)
{
    if (SameCommand(command, "Stop")) {
        Stop();
    } else if (SameCommand(command, "Close")) {
        Close();
    } else if (SameCommand(command, "Open")) {
        Open();
    } else if (SameCommand(command, "Sound")) {
        Sound();
    }
}

void SoundEffectMediaControl::SetFileName(std::string_view fileName)
{
    fileName_ = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

bool SoundEffectMediaControl::IsLoading() const
{
    const auto loading = [](const std::unique_ptr<QSoundEffect>& effect) {
        return effect && effect->status() == QSoundEffect::Loading;
    };
    return loading(effect_) || std::any_of(closing_.begin(), closing_.end(), loading);
}

void SoundEffectMediaControl::SettleBeforeExit()
{
    DestroySettledEffects();
    if (!IsLoading() || QCoreApplication::instance() == nullptr
        || QThread::currentThread() != QCoreApplication::instance()->thread()) {
        return;
    }
    // The loaded file arrives through queued signals, so the wait has to run an event loop.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto quitWhenSettled = [this, &loop] {
        if (!IsLoading()) {
            loop.quit();
        }
    };
    if (effect_) {
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, quitWhenSettled);
    }
    for (const auto& effect : closing_) {
        QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, quitWhenSettled);
    }
    deadline.start(settleTimeoutMs_);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    DestroySettledEffects();
}

void SoundEffectMediaControl::Stop()
{
    playWhenLoaded_ = false;
    if (effect_) {
        effect_->stop();
    }
}

void SoundEffectMediaControl::Close()
{
    playWhenLoaded_ = false;
    open_ = false;
    openFileName_.clear();
    if (effect_) {
        effect_->stop();
        closing_.push_back(std::move(effect_));
    }
    DestroySettledEffects();
}

void SoundEffectMediaControl::Open()
{
    Close();
    if (fileName_.isEmpty() || fileName_.contains(QChar(0))) {
        return;
    }
    // Relative names are relative to the current directory at the time of opening.
    const QString path = QFileInfo(fileName_).absoluteFilePath();
    const std::optional<QByteArray> wave = readCueAsPcm16(path);
    if (!wave) {
        return;
    }
    effect_ = std::make_unique<QSoundEffect>();
    // Only the effect of the open file matters; one that was closed while loading is just let finish.
    // The handler lives no longer than this control: an effect still loading when the control goes
    // outlives it, and must not reach it.
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &handlerContext_, [this, effect = effect_.get()] {
        if (effect == effect_.get()) {
            OnStatusChanged();
        }
    });
    // Handed over from memory: the player decodes only 16-bit PCM reliably, and never opens the
    // file again, whatever has become of it since the check.
    effect_->setSource(QUrl(QStringLiteral("data:audio/wav;base64,") + QString::fromLatin1(wave->toBase64())));
    open_ = true;
    openFileName_ = path;
}

void SoundEffectMediaControl::Sound()
{
    if (!open_ || !effect_) {
        return;
    }
    switch (effect_->status()) {
    case QSoundEffect::Ready:
        StartPlay();
        break;
    case QSoundEffect::Loading:
        playWhenLoaded_ = true;
        break;
    case QSoundEffect::Null:
    case QSoundEffect::Error:
        break;
    }
}

void SoundEffectMediaControl::StartPlay()
{
    playWhenLoaded_ = false;
    effect_->play();
    ++playsStarted_;
}

void SoundEffectMediaControl::OnStatusChanged()
{
    if (!effect_) {
        return;
    }
    const QSoundEffect::Status status = effect_->status();
    if (status == QSoundEffect::Ready && playWhenLoaded_) {
        StartPlay();
    } else if (status != QSoundEffect::Loading) {
        playWhenLoaded_ = false;
    }
}

void SoundEffectMediaControl::DestroySettledEffects()
{
    std::erase_if(closing_,
        [](const std::unique_ptr<QSoundEffect>& effect) { return effect->status() != QSoundEffect::Loading; });
}

bool SoundEffectMediaControl::IsPlayableWaveFile(const QString& path)
{
    return readCueAsPcm16(path).has_value();
}

} // namespace corvanta

#include "sound/SoundEffectMediaControl.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::uint32_t LittleEndian32(const unsigned char* bytes)
{
    return std::uint32_t {bytes[0]} | (std::uint32_t {bytes[1]} << 8) | (std::uint32_t {bytes[2]} << 16)
        | (std::uint32_t {bytes[3]} << 24);
}

std::uint16_t LittleEndian16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

// Owns a file descriptor for the header check.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

bool ReadExactly(int fd, unsigned char* buffer, std::size_t length, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd, buffer + done, length - done, static_cast<off_t>(offset + done));
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// Walks the chunks of a RIFF/WAVE file reading only their 8-byte headers and the 16 bytes of the
// format; stops at the "data" chunk.
bool HasPlayableWaveHeader(int fd, std::uint64_t fileSize)
{
    constexpr std::uint64_t kRiffHeaderBytes = 12;
    constexpr int kMaxChunksBeforeData = 16;
    std::array<unsigned char, 16> bytes {};
    if (fileSize < kRiffHeaderBytes || !ReadExactly(fd, bytes.data(), kRiffHeaderBytes, 0)) {
        return false;
    }
    if (std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        return false;
    }
    bool formatSeen = false;
    std::uint16_t blockAlign = 0;
    std::uint64_t offset = kRiffHeaderBytes;
    for (int chunk = 0; chunk < kMaxChunksBeforeData; ++chunk) {
        if (offset + 8 > fileSize || !ReadExactly(fd, bytes.data(), 8, offset)) {
            return false;
        }
        const std::uint64_t length = LittleEndian32(bytes.data() + 4);
        const std::uint64_t body = offset + 8;
        if (std::memcmp(bytes.data(), "fmt ", 4) == 0) {
            if (length < 16 || body + 16 > fileSize || !ReadExactly(fd, bytes.data(), 16, body)) {
                return false;
            }
            const std::uint16_t format = LittleEndian16(bytes.data());
            const std::uint16_t channels = LittleEndian16(bytes.data() + 2);
            const std::uint32_t sampleRate = LittleEndian32(bytes.data() + 4);
            const std::uint32_t byteRate = LittleEndian32(bytes.data() + 8);
            blockAlign = LittleEndian16(bytes.data() + 12);
            const std::uint16_t bitsPerSample = LittleEndian16(bytes.data() + 14);
            const bool pcm16 = format == 1 && bitsPerSample == 16 && (channels == 1 || channels == 2);
            const bool consistent = sampleRate >= 8000 && sampleRate <= 192000 && blockAlign == channels * 2
                && byteRate == sampleRate * blockAlign;
            if (!pcm16 || !consistent) {
                return false;
            }
            formatSeen = true;
        } else if (std::memcmp(bytes.data(), "data", 4) == 0) {
            return formatSeen && length >= blockAlign && body + length <= fileSize;
        }
        offset = body + length + (length & 1); // chunks are padded to even sizes
    }
    return false;
}

} // namespace

SoundEffectMediaControl::SoundEffectMediaControl() = default;

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
    deadline.start(kSettleTimeoutMs);
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
    if (!IsPlayableWaveFile(path)) {
        return;
    }
    effect_ = std::make_unique<QSoundEffect>();
    // Only the effect of the open file matters; one that was closed while loading is just let finish.
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, effect_.get(), [this, effect = effect_.get()] {
        if (effect == effect_.get()) {
            OnStatusChanged();
        }
    });
    effect_->setSource(QUrl::fromLocalFile(path));
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
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) {
        return false;
    }
    // Look before opening: opening a named pipe would block, a directory cannot be played, and a
    // huge file is not a cue.
    struct stat before { };
    if (::stat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode) || before.st_size > kMaxFileBytes) {
        return false;
    }
    // O_NONBLOCK: should the name have been replaced by a pipe since, opening still returns at once.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat opened { };
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode)
        || opened.st_size > kMaxFileBytes) {
        return false;
    }
    return HasPlayableWaveHeader(file.Get(), static_cast<std::uint64_t>(opened.st_size));
}

} // namespace corvanta

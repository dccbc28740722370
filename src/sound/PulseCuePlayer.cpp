#include "PulseCuePlayer.h"

#include "SoundLog.h"

#include <pulse/context.h>
#include <pulse/mainloop-api.h>
#include <pulse/error.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>

namespace corvanta {

Q_LOGGING_CATEGORY(lcSound, "corvanta.sound", QtWarningMsg)

namespace {

// Holds the client library's lock for a scope: its thread runs the callbacks under it.
class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop)
        : loop_(loop)
    {
        pa_threaded_mainloop_lock(loop_);
    }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

} // namespace

PulseCuePlayer::~PulseCuePlayer()
{
    if (loop_ == nullptr) {
        return;
    }
    // Once the library's thread has stopped, nothing else touches the stream and the context.
    pa_threaded_mainloop_stop(loop_);
    releaseStream();
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

void PulseCuePlayer::stop()
{
    if (loop_ != nullptr) {
        Locked locked(loop_);
        requested_.reset();
        releaseStream();
    }
}

void PulseCuePlayer::close()
{
    opened_.clear();
}

void PulseCuePlayer::open(std::string_view fileName)
{
    // Relative to the current directory, which the program never changes.
    opened_ = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

void PulseCuePlayer::play()
{
    if (opened_.isEmpty()) {
        return;
    }
    if (loop_ == nullptr) { // the first cue: start-up pays neither the thread nor its memory
        loop_ = pa_threaded_mainloop_new();
        if (loop_ == nullptr || pa_threaded_mainloop_start(loop_) < 0) {
            qCInfo(lcSound, "cues are silent: the sound client could not start its thread");
            if (loop_ != nullptr) {
                pa_threaded_mainloop_free(loop_);
                loop_ = nullptr;
            }
            return;
        }
    }
    Locked locked(loop_);
    requested_ = opened_;
    pa_mainloop_api_once(pa_threaded_mainloop_get_api(loop_), &PulseCuePlayer::onRequest, this);
}

void PulseCuePlayer::onRequest(pa_mainloop_api*, void* self)
{
    auto* player = static_cast<PulseCuePlayer*>(self);
    if (!player->requested_) { // stopped since, or already taken by an earlier call
        return;
    }
    player->releaseStream();
    player->playing_ = readCueAsPcm16(*player->requested_);
    player->requested_.reset();
    if (!player->playing_) {
        return;
    }
    pa_context* context = player->context_;
    const pa_context_state_t state = context != nullptr ? pa_context_get_state(context) : PA_CONTEXT_FAILED;
    if (state == PA_CONTEXT_READY) {
        player->startPlayback();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        player->connect(); // the first cue, or the server went away since the last one: try again
    } // else still connecting: the cue starts once connected
}

void PulseCuePlayer::connect()
{
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
    }
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Corvanta");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.corvanta.Corvanta");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Corvanta", properties);
    pa_proplist_free(properties);
    if (context_ == nullptr) {
        qCInfo(lcSound, "cues are silent: the sound client could not be set up");
        return;
    }
    pa_context_set_state_callback(context_, &PulseCuePlayer::onContextState, this);
    // Never start a sound server of our own: without one the cues are silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        qCInfo(lcSound, "cannot reach the sound server: %s", pa_strerror(pa_context_errno(context_)));
    }
}

void PulseCuePlayer::onContextState(pa_context* context, void* self)
{
    auto* player = static_cast<PulseCuePlayer*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        player->startPlayback();
        break;
    case PA_CONTEXT_FAILED:
        qCInfo(lcSound, "cannot reach the sound server: %s", pa_strerror(pa_context_errno(context)));
        player->playing_.reset();
        break;
    default:
        break;
    }
}

void PulseCuePlayer::startPlayback()
{
    if (!playing_ || stream_ != nullptr) {
        return;
    }
    const pa_sample_spec format {PA_SAMPLE_S16LE, static_cast<std::uint32_t>(playing_->rate),
        static_cast<std::uint8_t>(playing_->channels)};
    stream_ = pa_stream_new(context_, "Cue", &format, nullptr);
    if (stream_ == nullptr) {
        qCInfo(lcSound, "the sound server refused the cue: %s", pa_strerror(pa_context_errno(context_)));
        playing_.reset();
        return;
    }
    written_ = 0;
    pa_stream_set_state_callback(stream_, &PulseCuePlayer::onStreamState, this);
    pa_stream_set_write_callback(stream_, &PulseCuePlayer::onWritable, this);
    // A short buffer: the cue starts about as soon as it is asked for.
    pa_buffer_attr buffer {static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(pa_usec_to_bytes(100'000, &format)),
        static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1)};
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        qCInfo(lcSound, "the sound server refused the cue: %s", pa_strerror(pa_context_errno(context_)));
        releaseStream();
    }
}

void PulseCuePlayer::onStreamState(pa_stream* stream, void* self)
{
    if (pa_stream_get_state(stream) == PA_STREAM_FAILED) {
        qCInfo(lcSound, "the cue stopped: %s", pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
        static_cast<PulseCuePlayer*>(self)->releaseStream();
    }
}

void PulseCuePlayer::onWritable(pa_stream* stream, std::size_t bytes, void* self)
{
    auto* player = static_cast<PulseCuePlayer*>(self);
    const QByteArray& samples = player->playing_->samples;
    const auto count = std::min(static_cast<qsizetype>(bytes), samples.size() - player->written_);
    if (count > 0) {
        // The library copies the samples: the cue may be let go of at any time.
        pa_stream_write(stream, samples.constData() + player->written_, static_cast<std::size_t>(count), nullptr, 0,
            PA_SEEK_RELATIVE);
        player->written_ += count;
    }
    if (player->written_ == samples.size() && player->drain_ == nullptr) {
        // Played to its end, the stream is let go of.
        player->drain_ = pa_stream_drain(stream, &PulseCuePlayer::onDrained, self);
    }
}

void PulseCuePlayer::onDrained(pa_stream*, int, void* self)
{
    auto* player = static_cast<PulseCuePlayer*>(self);
    pa_operation_unref(player->drain_); // done: nothing left to cancel
    player->drain_ = nullptr;
    player->releaseStream();
}

void PulseCuePlayer::releaseStream()
{
    if (drain_ != nullptr) {
        pa_operation_cancel(drain_);
        pa_operation_unref(drain_);
        drain_ = nullptr;
    }
    if (stream_ != nullptr) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    playing_.reset();
}

} // namespace corvanta

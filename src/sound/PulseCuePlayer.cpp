#include "PulseCuePlayer.h"

#include "CueFile.h"
#include "SoundLog.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop-api.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

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

// The library's thread and the decoding threads it starts are background work: woken, they wait for a
// free core rather than preempt the window's thread, which would make a press that wakes them take
// milliseconds on a busy machine (Linux's SCHED_BATCH; elsewhere they keep the usual policy).
void runInTheBackground()
{
#ifdef SCHED_BATCH
    const sched_param parameters {};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &parameters);
#endif
}

} // namespace

struct CueRequests;

// The sound server's side: the connection and the stream of the cue that sounds. Every member runs
// under the client library's lock, taken by the public functions and held by the library's thread
// while it calls back.
class CueStreams {
public:
    // Starts the library's thread; nothing when it cannot.
    static std::unique_ptr<CueStreams> start(const std::shared_ptr<CueRequests>& requests);
    ~CueStreams();
    CueStreams(const CueStreams&) = delete;
    CueStreams& operator=(const CueStreams&) = delete;

    // From a press, without the lock: the library's thread lets go of what sounds and starts decoding
    // the press's file.
    void wake();
    // From a decoding thread: plays its cue instead of whatever sounds, connecting first if need be,
    // unless a newer press has come.
    void play(Pcm16Cue cue, std::uint64_t press);

private:
    CueStreams(pa_threaded_mainloop* loop, std::shared_ptr<CueRequests> requests);
    static void onPress(pa_mainloop_api*, pa_io_event*, int pipe, pa_io_event_flags_t, void* self);
    bool connected();
    pa_context* newContext();
    void connect(pa_context* context);
    void startStream();
    void letGo();
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onLetGoState(pa_stream* stream, void*);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);

    pa_threaded_mainloop* loop_;
    std::shared_ptr<CueRequests> requests_;
    int pressPipe_[2] = {-1, -1}; // a press writes a byte, the library's thread reads it
    pa_io_event* pressed_ = nullptr;
    pa_context* context_ = nullptr;
    std::optional<Pcm16Cue> cue_; // sounding, or waiting for the connection
    pa_stream* stream_ = nullptr;
    std::size_t written_ = 0; // bytes of the cue handed to the stream
    pa_operation* drain_ = nullptr;
};

// What presses hand the library's thread, and it the decoding threads, which may outlive the player.
struct CueRequests {
    std::mutex mailbox; // guards the latest press's file until the library's thread takes it
    std::string file;
    std::atomic<std::uint64_t> latestPress {0}; // a decoding for an older press is stale
    std::mutex handOver; // held by a decoding thread while it hands a cue over, and by the player's end
    CueStreams* streams = nullptr; // null once the player has ended
    std::vector<std::string> folders; // set before the first press, read only after
};

namespace {

void lookUpDecodeAndHandOver(
    const std::shared_ptr<CueRequests>& requests, const std::string& fileName, std::uint64_t press)
{
    const auto stale = [&requests, press] { return requests->latestPress != press; };
    const std::optional<std::string> path = findCue(fileName, requests->folders);
    DecodedCue decoded = path ? decodeCue(*path, stale) : DecodedCue {std::nullopt, "it is in none of the cue folders"};
    const std::lock_guard lock(requests->handOver);
    if (requests->streams == nullptr || stale()) { // the player has ended, or a newer press wants its own cue
        return;
    }
    if (decoded.cue) {
        requests->streams->play(std::move(*decoded.cue), press);
    } else {
        qCInfo(lcSound, "cue %s refused: %s", path.value_or(fileName).c_str(), decoded.refusal.c_str());
    }
}

} // namespace

PulseCuePlayer::PulseCuePlayer() = default;

PulseCuePlayer::~PulseCuePlayer()
{
    if (requests_ != nullptr) {
        // A decoding thread still at work finds the player gone and gives up; none is waited for.
        const std::lock_guard lock(requests_->handOver);
        ++requests_->latestPress;
        requests_->streams = nullptr;
    }
}

void PulseCuePlayer::play(std::string_view fileName)
{
    if (streams_ == nullptr) { // the first cue: start-up pays neither the threads nor their memory
        requests_ = std::make_shared<CueRequests>();
        requests_->folders = cueFolders();
        streams_ = CueStreams::start(requests_);
        if (streams_ == nullptr) {
            qCInfo(lcSound, "cues are silent: the sound client could not start its thread");
            requests_.reset();
            return;
        }
        requests_->streams = streams_.get();
    }
    {
        const std::lock_guard lock(requests_->mailbox);
        requests_->file = fileName;
        ++requests_->latestPress; // older decodings are stale from here on
    }
    // Neither the library's lock nor a new thread: on a busy machine either can take milliseconds.
    streams_->wake();
}

std::vector<std::string> cueFolders()
{
    std::vector<std::string> folders {""};
    const auto add = [&folders](const QString& folder) { folders.push_back(QFile::encodeName(folder).toStdString()); };
    add(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/corvanta"));
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        add(data + QStringLiteral("/corvanta"));
    }
    return folders;
}

std::unique_ptr<CueStreams> CueStreams::start(const std::shared_ptr<CueRequests>& requests)
{
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    if (loop == nullptr || pa_threaded_mainloop_start(loop) < 0) {
        if (loop != nullptr) {
            pa_threaded_mainloop_free(loop);
        }
        return nullptr;
    }
    std::unique_ptr<CueStreams> streams(new CueStreams(loop, requests));
    if (streams->pressed_ == nullptr) {
        return nullptr;
    }
    return streams;
}

CueStreams::CueStreams(pa_threaded_mainloop* loop, std::shared_ptr<CueRequests> requests)
    : loop_(loop)
    , requests_(std::move(requests))
{
    if (::pipe2(pressPipe_, O_NONBLOCK | O_CLOEXEC) == 0) {
        const Locked locked(loop_);
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
        pressed_ = api->io_new(api, pressPipe_[0], PA_IO_EVENT_INPUT, &CueStreams::onPress, this);
    }
}

CueStreams::~CueStreams()
{
    // Once the library's thread has stopped, nothing else touches the streams and the connection.
    pa_threaded_mainloop_stop(loop_);
    if (pressed_ != nullptr) {
        pa_threaded_mainloop_get_api(loop_)->io_free(pressed_);
    }
    for (const int end : pressPipe_) {
        if (end >= 0) {
            ::close(end);
        }
    }
    letGo();
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_); // ends every stream still on it, those let go of among them
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

void CueStreams::wake()
{
    const char press = 0;
    // A full pipe already holds a wake-up: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(pressPipe_[1], &press, 1);
}

void CueStreams::onPress(pa_mainloop_api*, pa_io_event*, int pipe, pa_io_event_flags_t, void* self)
{
    auto* streams = static_cast<CueStreams*>(self);
    runInTheBackground();
    char presses[64];
    while (::read(pipe, presses, sizeof presses) > 0) { }
    std::string file;
    std::uint64_t press = 0;
    {
        const std::lock_guard lock(streams->requests_->mailbox);
        file = std::exchange(streams->requests_->file, std::string());
        press = streams->requests_->latestPress;
    }
    if (file.empty()) { // taken with an earlier wake-up
        return;
    }
    streams->letGo();
    streams->cue_.reset();
    try {
        std::thread(lookUpDecodeAndHandOver, streams->requests_, file, press).detach();
    } catch (const std::system_error& error) {
        qCInfo(lcSound, "cue %s is silent: %s", file.c_str(), error.what());
    }
}

void CueStreams::play(Pcm16Cue cue, std::uint64_t press)
{
    // A new connection reads the client's configuration from disk: it is made before the lock is taken.
    pa_context* fresh = connected() ? nullptr : newContext();
    std::optional<Pcm16Cue> old; // freed, like an unused connection, once the lock is let go of
    {
        const Locked locked(loop_);
        if (requests_->latestPress != press) { // pressed again meanwhile: that press's cue is on its way
            old = std::move(cue);
        } else {
            letGo();
            old = std::exchange(cue_, std::move(cue));
            const pa_context_state_t state = context_ != nullptr ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
            if (state == PA_CONTEXT_READY) {
                startStream();
            } else if (!PA_CONTEXT_IS_GOOD(state)) { // the first cue, or the server went away since the last one
                connect(fresh != nullptr ? std::exchange(fresh, nullptr) : newContext());
            } // else still connecting: the cue starts once connected
        }
    }
    if (fresh != nullptr) {
        pa_context_unref(fresh);
    }
}

bool CueStreams::connected()
{
    const Locked locked(loop_);
    return context_ != nullptr && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
}

pa_context* CueStreams::newContext()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Corvanta");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.corvanta.Corvanta");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    pa_context* context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Corvanta", properties);
    pa_proplist_free(properties);
    return context;
}

void CueStreams::connect(pa_context* context)
{
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
    }
    context_ = context;
    if (context_ == nullptr) {
        qCInfo(lcSound, "cues are silent: the sound client could not be set up");
        cue_.reset();
        return;
    }
    pa_context_set_state_callback(context_, &CueStreams::onContextState, this);
    // Never start a sound server of our own: without one the cues are silent. A failure, at once or
    // later, reaches onContextState.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void CueStreams::onContextState(pa_context* context, void* self)
{
    auto* streams = static_cast<CueStreams*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        streams->startStream();
        break;
    case PA_CONTEXT_FAILED:
        qCInfo(lcSound, "cannot reach the sound server: %s", pa_strerror(pa_context_errno(context)));
        // The connection is kept until the next cue, which makes a new one.
        streams->letGo();
        streams->cue_.reset();
        break;
    default:
        break;
    }
}

void CueStreams::startStream()
{
    if (!cue_ || stream_ != nullptr) {
        return;
    }
    const pa_sample_spec format {
        PA_SAMPLE_S16NE, static_cast<std::uint32_t>(cue_->rate), static_cast<std::uint8_t>(cue_->channels)};
    pa_channel_map channels;
    // Without a map the library takes no more than six channels.
    pa_channel_map_init_extend(&channels, format.channels, PA_CHANNEL_MAP_DEFAULT);
    stream_ = pa_stream_new(context_, "Cue", &format, &channels);
    if (stream_ == nullptr) {
        qCInfo(lcSound, "the sound server refused the cue: %s", pa_strerror(pa_context_errno(context_)));
        cue_.reset();
        return;
    }
    written_ = 0;
    pa_stream_set_state_callback(stream_, &CueStreams::onStreamState, this);
    pa_stream_set_write_callback(stream_, &CueStreams::onWritable, this);
    // A short buffer: the cue starts about as soon as it is asked for.
    const auto unset = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer {
        unset, static_cast<std::uint32_t>(pa_usec_to_bytes(100'000, &format)), unset, unset, unset};
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        qCInfo(lcSound, "the sound server refused the cue: %s", pa_strerror(pa_context_errno(context_)));
        letGo();
        cue_.reset();
    }
}

void CueStreams::onStreamState(pa_stream* stream, void* self)
{
    if (pa_stream_get_state(stream) == PA_STREAM_FAILED) {
        qCInfo(lcSound, "the cue stopped: %s", pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
        auto* streams = static_cast<CueStreams*>(self);
        streams->letGo();
        streams->cue_.reset();
    }
}

void CueStreams::onWritable(pa_stream* stream, std::size_t bytes, void* self)
{
    auto* streams = static_cast<CueStreams*>(self);
    const auto* samples = reinterpret_cast<const char*>(streams->cue_->samples.data());
    const std::size_t total = streams->cue_->samples.size() * sizeof(std::int16_t);
    const std::size_t count = std::min(bytes, total - streams->written_);
    if (count > 0) {
        // The library copies the samples: the cue may be let go of at any time.
        pa_stream_write(stream, samples + streams->written_, count, nullptr, 0, PA_SEEK_RELATIVE);
        streams->written_ += count;
    }
    if (streams->written_ == total && streams->drain_ == nullptr) {
        // Played to its end, the stream is let go of.
        streams->drain_ = pa_stream_drain(stream, &CueStreams::onDrained, self);
    }
}

void CueStreams::onDrained(pa_stream*, int, void* self)
{
    auto* streams = static_cast<CueStreams*>(self);
    pa_operation_unref(std::exchange(streams->drain_, nullptr)); // done: nothing left to cancel
    streams->letGo();
    streams->cue_.reset();
}

void CueStreams::letGo()
{
    if (drain_ != nullptr) {
        pa_operation_cancel(drain_);
        pa_operation_unref(std::exchange(drain_, nullptr));
    }
    if (stream_ == nullptr) {
        return;
    }
    pa_stream* stream = std::exchange(stream_, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_CREATING) {
        // The server is still making it, and it cannot be disconnected before it is made: it is,
        // once it is. Until then the connection keeps it, silent.
        pa_stream_set_state_callback(stream, &CueStreams::onLetGoState, nullptr);
        return;
    }
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream); // refused unless ready; a failed stream is gone from the server anyway
    pa_stream_unref(stream);
}

void CueStreams::onLetGoState(pa_stream* stream, void*)
{
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        pa_stream_disconnect(stream); // which ends it: it turns terminated
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        break;
    default:
        break;
    }
}

} // namespace corvanta

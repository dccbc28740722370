#include "PulseCuePlayer.h"

#include <pulse/pulseaudio.h>

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <utility>

namespace corvanta {

using namespace std::chrono;

Q_LOGGING_CATEGORY(lcSound, "corvanta.sound", QtWarningMsg)

// The worker: what it shares with the player, then its own objects; the last of the two to let go of it frees it.
struct CueWorker {
    std::mutex mutex; // held only to swap the latest press's file
    std::string file;
    std::atomic<std::uint64_t> presses {0}; // the decoding of an older press gives up
    std::atomic<bool> ended {false};
    std::atomic<std::int64_t> busySince {INT64_MAX}; // when it last got on with a press, in ms; INT64_MAX: idle
    std::mutex log; // held by the worker while it logs, and by the end while it sets `ended`
    std::vector<std::string> folders; // set before the worker starts
    const int wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK); // a press rings it, the worker's main loop watches it
    pa_mainloop* loop = nullptr; // the worker's own from here on

    pa_context* context = nullptr;
    std::optional<Pcm16Cue> cue; // sounding, or waiting for the connection
    pa_stream* stream = nullptr;
    std::size_t written = 0; // bytes of the cue handed to the stream

    ~CueWorker() { ::close(wake); }
    static std::int64_t nowMs() { return steady_clock::now().time_since_epoch() / 1ms; }
    std::int64_t stuckMs() const { return nowMs() - busySince; } // in a read so far; below 0 while it waits

    // The worker's thread. Once the player has ended it calls nothing of Qt and logs nothing: it touches only
    // this object and the library objects it owns, so that it may outlive main() when a slow read holds it.
    void run()
    {
        const sched_param background {}; // woken by a press, it waits for a free core rather than preempt the window
        pthread_setschedparam(pthread_self(), SCHED_BATCH, &background);
        loop = pa_mainloop_new();
        pa_mainloop_api* api = pa_mainloop_get_api(loop);
        api->io_new(
            api, wake, PA_IO_EVENT_INPUT, [](auto...) {}, nullptr); // rung, the poll returns
        while (!ended) {
            eventfd_t rings = 0;
            eventfd_read(wake, &rings);
            std::unique_lock lock(mutex);
            const std::string pressed = std::exchange(file, std::string());
            const std::uint64_t press = presses;
            lock.unlock();
            if (!pressed.empty()) {
                play(pressed, press);
            } else if (pa_mainloop_iterate(loop, 1, nullptr) < 0) {
                break;
            }
        }
        letGo();
        if (context != nullptr) {
            pa_context_disconnect(context); // ends every stream still on it, those let go of among them
            pa_context_unref(context);
        }
        pa_mainloop_free(loop); // and its events
    }
    void say(const std::string& what, const std::string& why)
    {
        const std::lock_guard lock(log);
        if (!ended && !why.empty()) {
            qCInfo(lcSound, "%s%s", what.c_str(), why.c_str());
        }
    }

    void play(const std::string& fileName, std::uint64_t press)
    {
        busySince = nowMs();
        letGo();
        if (context == nullptr) { // the first cue, or the server went away since the last one
            pa_proplist* properties = pa_proplist_new();
            pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.corvanta.Corvanta");
            pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
            context = pa_context_new_with_proplist(pa_mainloop_get_api(loop), "Corvanta", properties);
            pa_proplist_free(properties);
            pa_context_set_state_callback(context, &CueWorker::onContextState, this); // which hears of a failure
            pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr); // never a server of our own
        }
        const auto stale = [this, press] {
            pa_mainloop_iterate(loop, 0, nullptr); // the stop and the handshake go out while the cue decodes
            busySince = nowMs();
            return ended || presses != press;
        };
        const std::optional<std::string> path = findCue(fileName, folders);
        DecodedCue decoded = path ? decodeCue(*path, stale) : DecodedCue {std::nullopt, "it is in none of the folders"};
        if (!stale()) { // else a newer press wants its own cue, or the player has ended
            say("cue " + path.value_or(fileName) + (decoded.cue ? ": " : " refused: "), decoded.note);
            cue = std::move(decoded.cue); // without a connection, silent: it goes with the next press
            startStream();
        }
        busySince = INT64_MAX;
    }
    static void onContextState(pa_context* context, void* self)
    {
        auto* worker = static_cast<CueWorker*>(self);
        if (pa_context_get_state(context) == PA_CONTEXT_READY) {
            worker->startStream();
        } else if (pa_context_get_state(context) == PA_CONTEXT_FAILED) {
            worker->say("cannot reach the sound server: ", pa_strerror(pa_context_errno(context)));
            worker->letGo();
            pa_context_unref(std::exchange(worker->context, nullptr)); // the next cue connects anew
        }
    }

    void startStream() // once connected
    {
        if (!cue || stream != nullptr || context == nullptr || pa_context_get_state(context) != PA_CONTEXT_READY) {
            return;
        }
        const pa_sample_spec format {
            PA_SAMPLE_S16NE, static_cast<std::uint32_t>(cue->rate), static_cast<std::uint8_t>(cue->channels)};
        pa_channel_map channels; // without a map the library takes no more than six channels
        pa_channel_map_init_extend(&channels, format.channels, PA_CHANNEL_MAP_DEFAULT);
        // A short buffer (100 ms; ~0U leaves the rest to the server): the cue starts about as soon as asked for.
        const pa_buffer_attr buffer {~0U, std::uint32_t(pa_usec_to_bytes(100'000, &format)), ~0U, ~0U, ~0U};
        written = 0;
        stream = pa_stream_new(context, "Cue", &format, &channels);
        if (stream == nullptr) { // a rate beyond the server's
            say("the sound server refused the cue: ", pa_strerror(pa_context_errno(context)));
            cue.reset();
            return;
        }
        pa_stream_set_write_callback(stream, &CueWorker::onWritable, this);
        pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
    }
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self)
    {
        auto* worker = static_cast<CueWorker*>(self);
        const std::size_t total = worker->cue->samples.size() * sizeof(std::int16_t);
        const std::size_t count = std::min(bytes, total - worker->written);
        const char* samples = reinterpret_cast<const char*>(worker->cue->samples.data()) + worker->written;
        pa_stream_write(stream, samples, count, nullptr, 0, PA_SEEK_RELATIVE); // a copy: the cue may go at any time
        worker->written += count;
        if (worker->written == total) { // played to its end, the stream is let go of
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_operation_unref(pa_stream_drain(stream, &CueWorker::onDrained, self));
        }
    }
    static void onDrained(pa_stream* stream, int, void* self)
    {
        auto* worker = static_cast<CueWorker*>(self);
        if (stream == worker->stream) { // not let go of already
            worker->letGo();
        }
    }

    void letGo()
    {
        cue.reset();
        if (stream != nullptr) {
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_set_state_callback(stream, &CueWorker::onLetGoState, nullptr);
            onLetGoState(std::exchange(stream, nullptr), nullptr);
        }
    }
    // Disconnected at once, or once the server has made it (it refuses before): the connection keeps it meanwhile.
    static void onLetGoState(pa_stream* stream, void*)
    {
        if (pa_stream_get_state(stream) == PA_STREAM_READY) {
            pa_stream_disconnect(stream); // it turns terminated
        } else if (pa_stream_get_state(stream) != PA_STREAM_CREATING) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
        }
    }
};

PulseCuePlayer::~PulseCuePlayer()
{
    if (thread_.joinable()) {
        std::unique_lock lock(worker_->log); // no line of the worker's is being logged, and none will be
        worker_->ended = true;
        lock.unlock();
        eventfd_write(worker_->wake, 1);
        if (worker_->stuckMs() < 20 && done_.wait_for(50ms) == std::future_status::ready) {
            thread_.join();
        } else {
            thread_.detach(); // stuck in a read: it ends once the read returns, or with the process
        }
    }
}

void PulseCuePlayer::start()
{
    if (worker_ == nullptr) {
        worker_ = std::make_shared<CueWorker>();
        worker_->folders = cueFolders(); // here, as the worker calls nothing of Qt but the log
        std::packaged_task<void()> work([worker = worker_] { worker->run(); });
        done_ = work.get_future();
        try {
            thread_ = std::thread(std::move(work));
        } catch (const std::exception& error) { // out of threads: the cues are silent, the rest goes on
            qCInfo(lcSound, "cues are silent: the worker cannot start: %s", error.what());
        }
    }
}

void PulseCuePlayer::play(std::string_view fileName)
{
    start(); // when the first press comes before the window's first frame
    std::unique_lock lock(worker_->mutex);
    worker_->file = fileName;
    ++worker_->presses;
    lock.unlock();
    eventfd_write(worker_->wake, 1);
    // A worker stuck in a read (a network folder gone away) takes the latest press once the read returns.
    if (worker_->stuckMs() > 1000 && !std::exchange(saidStuck_, true)) {
        qCInfo(lcSound, "cues are silent until a read of the disk returns: it has taken over a second");
    }
}

std::vector<std::string> cueFolders()
{
    std::vector<std::string> folders {"", QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()};
    folders.back() += "/../share/corvanta";
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders.push_back(QFile::encodeName(data + QStringLiteral("/corvanta")).toStdString());
    }
    return folders;
}

} // namespace corvanta

#pragma once

#include "WaveCue.h"

#include "core/CuePlayer.h"

#include <QString>

#include <optional>

struct pa_context;
struct pa_mainloop_api;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

namespace corvanta {

// Plays the cues through the desktop's sound server (PulseAudio, or PipeWire, which serves the same
// protocol) with its own client library.
//
// play() hands the open file's name to the client library's own thread, which checks and converts
// the file (readCueAsPcm16) and talks to the server: no press waits for the disk or the server.
// The thread starts at the first cue, so start-up pays neither for it nor for its memory; nothing
// connects before then. A server that cannot be reached leaves the cues silent, and the next cue
// tries again.
class PulseCuePlayer final : public CuePlayer {
public:
    PulseCuePlayer() = default;
    ~PulseCuePlayer() override;
    PulseCuePlayer(const PulseCuePlayer&) = delete;
    PulseCuePlayer& operator=(const PulseCuePlayer&) = delete;

    void stop() override;
    void close() override;
    void open(std::string_view fileName) override;
    void play() override;

private:
    // These run with the client library's lock held.
    static void onRequest(pa_mainloop_api* api, void* self);
    void connect();
    void startPlayback();
    void releaseStream();
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);

    QString opened_; // the caller's thread only
    pa_threaded_mainloop* loop_ = nullptr;
    // The rest under the lock: the file of the latest press, not yet read,
    std::optional<QString> requested_;
    pa_context* context_ = nullptr;
    // and the cue that is sounding, or waits for the connection.
    std::optional<Pcm16Cue> playing_;
    pa_stream* stream_ = nullptr;
    qsizetype written_ = 0;
    pa_operation* drain_ = nullptr;
};

} // namespace corvanta

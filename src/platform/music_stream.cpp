#include "platform/music_stream.h"

#include <SDL.h>

#include <algorithm>
#include <limits>

#include "platform/ogg_memory.h"

namespace {

constexpr int bigEndian = SDL_BYTEORDER == SDL_BIG_ENDIAN ? 1 : 0;
constexpr int maxChannels = 8;   // the most SDL opens a device with
constexpr int blockFrames = 512; // mixed at a time, on the audio thread's stack

std::int16_t saturate(std::int32_t s) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(
        s, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace

struct MusicStream::Voice {
    OggMemory source;
    OggVorbis_File vf{};
    bool vfOpen = false;
    SDL_AudioStream* convert = nullptr; // null when the file is in the output's format
    bool looped = false;
    bool drained = false; // the converter holds the file's last samples
    bool ended = false;   // every sample given, or the fade has reached silence
    int volume = 0;
    int fadeLeft = 0, fadeTotal = 0; // frames; fadeTotal is 0 until the voice fades out

    Voice() = default;
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;
    ~Voice() {
        if (convert) SDL_FreeAudioStream(convert);
        if (vfOpen) ov_clear(&vf);
    }

    // Up to `bytes` bytes of the file's own samples, the start again after the end of a
    // looped piece; 0 once the piece is over.
    int decode(char* out, int bytes) {
        bool rewound = false;
        for (;;) {
            int section = 0;
            const long n = ov_read(&vf, out, bytes, bigEndian, 2, 1, &section);
            if (n > 0) return static_cast<int>(n);
            if (n == OV_HOLE) continue;
            // Rewinding once is enough: a piece that gives nothing after it has ended.
            if (n < 0 || !looped || rewound || ov_pcm_seek(&vf, 0) != 0) return 0;
            rewound = true;
        }
    }

    // Up to `frames` frames in the output's format; fewer only once the piece is over.
    int read(std::int16_t* out, int frames, int channels) {
        const int frameBytes = channels * 2, want = frames * frameBytes;
        char* to = reinterpret_cast<char*>(out);
        int got = 0;
        while (got < want) {
            if (!convert) {
                const int n = decode(to + got, want - got);
                if (n == 0) break;
                got += n;
                continue;
            }
            const int n = SDL_AudioStreamGet(convert, to + got, want - got);
            if (n > 0) {
                got += n;
                continue;
            }
            if (n < 0 || drained) break;
            char block[4096];
            const int m = decode(block, sizeof block);
            if (m > 0) {
                if (SDL_AudioStreamPut(convert, block, m) != 0) break;
            } else {
                SDL_AudioStreamFlush(convert);
                drained = true;
            }
        }
        return got / frameBytes;
    }
};

MusicStream::MusicStream(int rate, int channels)
    : rate_(rate), channels_(std::clamp(channels, 1, maxChannels)) {}

MusicStream::~MusicStream() = default;

std::unique_ptr<MusicStream::Voice> MusicStream::open(const unsigned char* data, std::size_t size,
                                                      bool looped, int mixerVolume) const {
    if (size == 0) return nullptr;
    auto v = std::make_unique<Voice>();
    v->source = {data, size, 0};
    if (oggOpenMemory(v->source, v->vf) != 0) return nullptr;
    v->vfOpen = true;
    const vorbis_info* info = ov_info(&v->vf, -1);
    if (!info || info->channels < 1 || info->channels > maxChannels) return nullptr;
    if (info->rate != rate_ || info->channels != channels_) {
        v->convert = SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(info->channels),
                                        static_cast<int>(info->rate), AUDIO_S16SYS,
                                        static_cast<Uint8>(channels_), rate_);
        if (!v->convert) return nullptr;
    }
    v->looped = looped;
    v->volume = std::clamp(mixerVolume, 0, SDL_MIX_MAXVOLUME);
    return v;
}

bool MusicStream::start(const unsigned char* data, std::size_t size, bool looped, int mixerVolume) {
    std::unique_ptr<Voice> v = open(data, size, looped, mixerVolume);
    const bool started = v != nullptr;
    std::unique_ptr<Voice> cut;
    {
        std::lock_guard<std::mutex> hold(lock_);
        cut = retirePlaying();
        playing_ = std::move(v);
    }
    return started;
}

void MusicStream::fadeOut() {
    std::unique_ptr<Voice> cut;
    std::lock_guard<std::mutex> hold(lock_);
    cut = retirePlaying();
}

std::unique_ptr<MusicStream::Voice> MusicStream::retirePlaying() {
    std::unique_ptr<Voice> cut = std::move(fading_);
    fading_ = std::move(playing_);
    if (fading_) fading_->fadeLeft = fading_->fadeTotal = rate_ * fadeMs / 1000;
    return cut;
}

void MusicStream::setVolume(int mixerVolume) {
    std::lock_guard<std::mutex> hold(lock_);
    if (playing_) playing_->volume = std::clamp(mixerVolume, 0, SDL_MIX_MAXVOLUME);
}

bool MusicStream::sounding() {
    std::lock_guard<std::mutex> hold(lock_);
    return playing_ && !playing_->ended;
}

void MusicStream::stop() {
    std::unique_ptr<Voice> a, b;
    std::lock_guard<std::mutex> hold(lock_);
    a = std::move(playing_);
    b = std::move(fading_);
}

void MusicStream::mix(std::int16_t* out, int frames) {
    std::lock_guard<std::mutex> hold(lock_);
    if (playing_) mixVoice(*playing_, out, frames);
    if (fading_) mixVoice(*fading_, out, frames);
}

// The gain is the volume over SDL_MIX_MAXVOLUME, as SDL_mixer applies it, times the part
// of the fade still to go.
void MusicStream::mixVoice(Voice& v, std::int16_t* out, int frames) const {
    std::int16_t block[blockFrames * maxChannels];
    for (int done = 0; done < frames && !v.ended;) {
        const int want = std::min(blockFrames, frames - done);
        const int got = v.read(block, want, channels_);
        if (got < want) v.ended = true;
        for (int f = 0; f < got && !(v.fadeTotal && v.fadeLeft == 0); ++f) {
            std::int16_t* to = out + static_cast<std::ptrdiff_t>(done + f) * channels_;
            const std::int16_t* from = block + f * channels_;
            for (int c = 0; c < channels_; ++c) {
                std::int64_t s = std::int64_t{from[c]} * v.volume;
                s = v.fadeTotal ? s * v.fadeLeft / (std::int64_t{SDL_MIX_MAXVOLUME} * v.fadeTotal)
                                : s / SDL_MIX_MAXVOLUME;
                to[c] = saturate(to[c] + static_cast<std::int32_t>(s));
            }
            if (v.fadeTotal) --v.fadeLeft;
        }
        if (v.fadeTotal && v.fadeLeft == 0) v.ended = true;
        done += got;
    }
}

// The music's voices, decoded a block at a time as they are mixed: the piece playing and
// the one fading out. The mixing step runs on SDL's audio thread (through Mix_HookMusic)
// while the game starts and stops pieces on its own thread; a lock keeps the two apart,
// and the game's side opens and frees voices outside it, so the audio thread never waits
// on a decoder being set up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

class MusicStream {
  public:
    static constexpr int fadeMs = 500;

    // Mixes signed 16-bit samples in native byte order, `channels` to a frame, `rate`
    // frames a second; pieces in another format are converted.
    MusicStream(int rate, int channels);
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;
    int channels() const { return channels_; }

    // Starts the Ogg Vorbis file in `data` at once at `mixerVolume` (SDL_mixer's 0..128,
    // linear), and fades the piece playing out over fadeMs (one still fading is cut
    // short). The bytes are read as the piece plays: they must stay until stop(). False,
    // with nothing new playing, when the file cannot be opened.
    bool start(const unsigned char* data, std::size_t size, bool looped, int mixerVolume);
    void fadeOut();
    void setVolume(int mixerVolume);
    // Whether the piece playing has sound left to give (a looped one always has).
    bool sounding();
    // Closes both voices; their files may be freed once it returns.
    void stop();

    // Adds `frames` frames of both voices into `out`, saturating at the 16-bit limits.
    void mix(std::int16_t* out, int frames);

  private:
    struct Voice;
    std::unique_ptr<Voice> open(const unsigned char* data, std::size_t size, bool looped,
                                int mixerVolume) const;
    void mixVoice(Voice& v, std::int16_t* out, int frames) const;
    // With the lock held: the piece playing starts fading out, and the one that was
    // fading is handed back, to be freed once the lock is let go.
    std::unique_ptr<Voice> retirePlaying();

    const int rate_, channels_;
    std::mutex lock_;
    std::unique_ptr<Voice> playing_, fading_;
};

#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/music_stream.h"
#include "platform/ogg_memory.h"

namespace {

struct WaveItem {
    std::vector<unsigned char> file; // the file as read; empty for the placeholder
    Mix_Chunk* chunk = nullptr;      // a sound decoded when first played; music streams
    int volume = 0;
    bool looped = false;
    int channel = -1;
};

std::vector<WaveItem> sounds{WaveItem{}};
std::vector<WaveItem> music{WaveItem{}};
bool outputEnabled = true;
bool deviceOpen = false;

// The music is mixed by our own hook rather than on SDL_mixer's channels, decoded as it
// plays; the stream exists while the device is open.
std::unique_ptr<MusicStream> musicStream;
int musicIndex = 0; // the piece last started, 0 for none

void SDLCALL mixMusicHook(void* stream, Uint8* out, int bytes) {
    auto* s = static_cast<MusicStream*>(stream);
    s->mix(reinterpret_cast<std::int16_t*>(out), bytes / (2 * s->channels()));
}

std::vector<WaveItem>& items(WaveList list) {
    return list == WaveList::Sounds ? sounds : music;
}

WaveItem* item(WaveList list, int index) {
    auto& v = items(list);
    if (index < 0 || index >= static_cast<int>(v.size())) return nullptr;
    return &v[static_cast<std::size_t>(index)];
}

bool isOgg(const std::vector<unsigned char>& file) {
    return file.size() >= 4 && std::equal(file.begin(), file.begin() + 4, "OggS");
}

// A Vorbis stream with its headers whole and some sound in it.
bool playableOgg(const std::vector<unsigned char>& file) {
    OggMemory m{file.data(), file.size()};
    OggVorbis_File vf;
    if (oggOpenMemory(m, vf) != 0) return false;
    const bool ok = ov_pcm_total(&vf, -1) > 0;
    ov_clear(&vf);
    return ok;
}

bool playableWave(const std::vector<unsigned char>& file) {
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1, &format,
                        &buffer, &length))
        return false;
    SDL_FreeWAV(buffer);
    return true;
}

bool decode(WaveItem& w) {
    if (!w.chunk && !w.file.empty())
        w.chunk =
            Mix_LoadWAV_RW(SDL_RWFromConstMem(w.file.data(), static_cast<int>(w.file.size())), 1);
    return w.chunk != nullptr;
}

} // namespace

int mixerVolumeFor(int hundredthsOfDb) {
    if (hundredthsOfDb >= 0) return MIX_MAX_VOLUME;
    if (hundredthsOfDb <= -10000) return 0;
    double gain = std::pow(10.0, hundredthsOfDb / 2000.0);
    return std::clamp(static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

int musicMixerVolumeFor(int hundredthsOfDb, bool halved) {
    const double bar = std::clamp((hundredthsOfDb + 2000) / 2000.0, 0.0, 1.0);
    const double gain = bar * bar * (halved ? 0.5 : 1.0);
    return std::clamp(static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

void audioResetLists() {
    // The voices read the music's file bytes: they close first.
    if (musicStream) musicStream->stop();
    musicIndex = 0;
    for (auto* list : {&sounds, &music}) {
        for (auto& w : *list)
            if (w.chunk) Mix_FreeChunk(w.chunk);
        list->assign(1, WaveItem{});
    }
}

int waveCount(WaveList list) {
    return static_cast<int>(items(list).size());
}

bool waveAppendFile(WaveList list, const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    WaveItem w;
    unsigned char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) w.file.insert(w.file.end(), buf, buf + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) return false;
    // Check the data now, so a damaged file is found at loading.
    if (isOgg(w.file) ? !playableOgg(w.file) : !playableWave(w.file)) {
        std::fprintf(stderr, "torvel-arena: %s is not a playable wave or Ogg Vorbis file\n",
                     path.c_str());
        w.file.clear();
    }
    items(list).push_back(std::move(w));
    return true;
}

void waveSetVolume(WaveList list, int index, int hundredthsOfDb) {
    if (WaveItem* w = item(list, index)) {
        w->volume = hundredthsOfDb;
        if (deviceOpen && w->chunk) Mix_VolumeChunk(w->chunk, mixerVolumeFor(hundredthsOfDb));
    }
}

void waveSetLooped(WaveList list, int index, bool looped) {
    if (WaveItem* w = item(list, index)) w->looped = looped;
}

void wavePlay(WaveList list, int index) {
    WaveItem* w = item(list, index);
    if (list == WaveList::Music || !w || !deviceOpen || !decode(*w)) return;
    Mix_VolumeChunk(w->chunk, mixerVolumeFor(w->volume));
    w->channel = Mix_PlayChannel(-1, w->chunk, w->looped ? -1 : 0);
}

void musicFadeOut() {
    if (musicStream) musicStream->fadeOut();
    musicIndex = 0;
}

void musicStart(int index, bool looped, int hundredthsOfDb, bool halved) {
    musicIndex = index;
    if (!musicStream) return;
    const WaveItem* w = item(WaveList::Music, index);
    if (!w) {
        musicStream->fadeOut();
        return;
    }
    musicStream->start(w->file.data(), w->file.size(), looped,
                       musicMixerVolumeFor(hundredthsOfDb, halved));
}

void musicSetVolume(int hundredthsOfDb, bool halved) {
    if (musicStream) musicStream->setVolume(musicMixerVolumeFor(hundredthsOfDb, halved));
}

int musicCurrent() {
    return musicIndex;
}

bool musicSounding() {
    return musicStream && musicStream->sounding();
}

void audioOpenDevice() {
    if (!outputEnabled || deviceOpen) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return;
    Mix_AllocateChannels(32);
    deviceOpen = true;
    // The device may have been granted another rate or channel count than asked for; the
    // sample format is always the one asked for.
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) && format == AUDIO_S16SYS) {
        musicStream = std::make_unique<MusicStream>(rate, channels);
        Mix_HookMusic(mixMusicHook, musicStream.get());
    }
}

void audioSetOutputEnabled(bool enabled) {
    outputEnabled = enabled;
}

void audioClose() {
    audioResetLists();
    if (deviceOpen) {
        // Unhooking waits for a mix in progress, so the stream can go after it.
        Mix_HookMusic(nullptr, nullptr);
        musicStream.reset();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    deviceOpen = false;
}

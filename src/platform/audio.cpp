#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/ogg_memory.h"

namespace {

struct WaveItem {
    std::vector<unsigned char> file; // the wave file as read; empty for the placeholder
    Mix_Chunk* chunk = nullptr;      // decoded once the device is open
    int volume = 0;
    bool looped = false;
    int channel = -1;
};

std::vector<WaveItem> sounds{WaveItem{}};
std::vector<WaveItem> music{WaveItem{}};
bool outputEnabled = true;
bool deviceOpen = false;

// Channels 0 and 1 belong to the music (the piece playing and the one fading out); the
// effects take the others.
constexpr int musicChannels = 2;
constexpr int musicFadeMs = 500;
struct MusicPlayer {
    int index = 0;    // the piece last started, 0 for none
    int channel = -1; // its channel
};
MusicPlayer player;

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
    player = {};
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
    if (!w || !deviceOpen || !decode(*w)) return;
    Mix_VolumeChunk(w->chunk, mixerVolumeFor(w->volume));
    w->channel = Mix_PlayChannel(-1, w->chunk, w->looped ? -1 : 0);
}

void waveDecodeAll(WaveList list) {
    if (!deviceOpen) return;
    for (WaveItem& w : items(list)) decode(w);
}

void musicFadeOut() {
    if (deviceOpen && player.channel >= 0) Mix_FadeOutChannel(player.channel, musicFadeMs);
    player = {};
}

void musicStart(int index, bool looped, int hundredthsOfDb, bool halved) {
    const int previous = player.channel;
    musicFadeOut();
    player.index = index;
    WaveItem* w = item(WaveList::Music, index);
    if (!w || !deviceOpen || !decode(*w)) return;
    // The other music channel; a piece still fading out there is cut short.
    player.channel = previous == 0 ? 1 : 0;
    Mix_HaltChannel(player.channel);
    Mix_VolumeChunk(w->chunk, MIX_MAX_VOLUME);
    Mix_Volume(player.channel, musicMixerVolumeFor(hundredthsOfDb, halved));
    if (Mix_PlayChannel(player.channel, w->chunk, looped ? -1 : 0) < 0) player.channel = -1;
}

void musicSetVolume(int hundredthsOfDb, bool halved) {
    if (deviceOpen && player.channel >= 0)
        Mix_Volume(player.channel, musicMixerVolumeFor(hundredthsOfDb, halved));
}

int musicCurrent() {
    return player.index;
}

bool musicSounding() {
    return deviceOpen && player.channel >= 0 && Mix_Playing(player.channel) != 0;
}

void audioOpenDevice() {
    if (!outputEnabled || deviceOpen) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return;
    Mix_AllocateChannels(32);
    Mix_ReserveChannels(musicChannels);
    deviceOpen = true;
}

void audioSetOutputEnabled(bool enabled) {
    outputEnabled = enabled;
}

void audioClose() {
    audioResetLists();
    if (deviceOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    deviceOpen = false;
}

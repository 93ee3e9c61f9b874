#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

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

std::vector<WaveItem>& items(WaveList list) {
    return list == WaveList::Sounds ? sounds : music;
}

WaveItem* item(WaveList list, int index) {
    auto& v = items(list);
    if (index < 0 || index >= static_cast<int>(v.size())) return nullptr;
    return &v[static_cast<std::size_t>(index)];
}

} // namespace

int mixerVolumeFor(int hundredthsOfDb) {
    if (hundredthsOfDb >= 0) return MIX_MAX_VOLUME;
    if (hundredthsOfDb <= -10000) return 0;
    double gain = std::pow(10.0, hundredthsOfDb / 2000.0);
    return std::clamp(static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

void audioResetLists() {
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
    // Check the data decodes as a wave now, so a damaged file is found at loading.
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(SDL_RWFromConstMem(w.file.data(), static_cast<int>(w.file.size())), 1,
                       &format, &buffer, &length)) {
        SDL_FreeWAV(buffer);
    } else {
        std::fprintf(stderr, "torvel-arena: %s is not a playable wave file\n", path.c_str());
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
    if (!w || w->file.empty() || !deviceOpen) return;
    if (!w->chunk) {
        w->chunk =
            Mix_LoadWAV_RW(SDL_RWFromConstMem(w->file.data(), static_cast<int>(w->file.size())), 1);
        if (!w->chunk) return;
    }
    Mix_VolumeChunk(w->chunk, mixerVolumeFor(w->volume));
    w->channel = Mix_PlayChannel(-1, w->chunk, w->looped ? -1 : 0);
}

void audioOpenDevice() {
    if (!outputEnabled || deviceOpen) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return;
    Mix_AllocateChannels(32);
    deviceOpen = true;
}

void audioSetOutputEnabled(bool enabled) {
    outputEnabled = enabled;
}

void audioClose() {
    audioResetLists();
    if (deviceOpen) Mix_CloseAudio();
    deviceOpen = false;
}

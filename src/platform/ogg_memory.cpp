#include "platform/ogg_memory.h"

#include <algorithm>
#include <cstdio>

namespace {

std::size_t memoryRead(void* out, std::size_t size, std::size_t count, void* source) {
    auto* m = static_cast<OggMemory*>(source);
    const std::size_t n = std::min(size * count, m->size - m->at);
    std::copy_n(m->data + m->at, n, static_cast<unsigned char*>(out));
    m->at += n;
    return size ? n / size : 0;
}

int memorySeek(void* source, ogg_int64_t offset, int whence) {
    auto* m = static_cast<OggMemory*>(source);
    const auto size = static_cast<ogg_int64_t>(m->size);
    const ogg_int64_t base = whence == SEEK_SET   ? 0
                             : whence == SEEK_CUR ? static_cast<ogg_int64_t>(m->at)
                                                  : size;
    if (base + offset < 0 || base + offset > size) return -1;
    m->at = static_cast<std::size_t>(base + offset);
    return 0;
}

long memoryTell(void* source) {
    return static_cast<long>(static_cast<OggMemory*>(source)->at);
}

} // namespace

int oggOpenMemory(OggMemory& source, OggVorbis_File& vf) {
    const ov_callbacks callbacks{memoryRead, memorySeek, nullptr, memoryTell};
    return ov_open_callbacks(&source, &vf, nullptr, 0, callbacks);
}

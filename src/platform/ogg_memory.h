// Ogg Vorbis files read from bytes in memory, for the header check at loading and for the
// music's voices. The bytes are borrowed: they must outlive the OggVorbis_File.
#pragma once

#include <vorbis/vorbisfile.h>

#include <cstddef>

struct OggMemory {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t at = 0;
};

// Opens `vf` over `source` (which must stay in place while `vf` is open); ov_open_callbacks'
// result, 0 on success.
int oggOpenMemory(OggMemory& source, OggVorbis_File& vf);

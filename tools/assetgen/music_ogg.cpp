#include "music_ogg.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

bool writeOgg(const std::string& path, const Stereo& audio, int rate, float quality,
              const std::vector<std::string>& comments) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, rate, quality) != 0) {
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "torvel-arena assetgen");
    for (const std::string& c : comments) vorbis_comment_add(&vc, c.c_str());
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x70726176); // a fixed serial number: the same input, the same file
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComment);
    ogg_stream_packetin(&os, &headerCode);
    bool ok = true;
    ogg_page og;
    auto writePage = [&] {
        ok = ok &&
             std::fwrite(og.header, 1, og.header_len, f) == static_cast<size_t>(og.header_len) &&
             std::fwrite(og.body, 1, og.body_len, f) == static_cast<size_t>(og.body_len);
    };
    while (ogg_stream_flush(&os, &og) != 0) writePage();

    const std::size_t chunk = 4096;
    std::size_t at = 0;
    bool eos = false;
    while (!eos) {
        const std::size_t n = std::min(chunk, audio.size() - at);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            std::copy_n(audio.left.begin() + at, n, buffer[0]);
            std::copy_n(audio.right.begin() + at, n, buffer[1]);
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            at += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og) != 0) {
                    writePage();
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return std::fclose(f) == 0 && ok;
}

bool readOgg(const std::string& path, Stereo& audio, int& rate) {
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return false;
    const vorbis_info* vi = ov_info(&vf, -1);
    rate = static_cast<int>(vi->rate);
    const int channels = vi->channels;
    audio.left.clear();
    audio.right.clear();
    if (const ogg_int64_t total = ov_pcm_total(&vf, -1); total > 0) {
        audio.left.reserve(static_cast<std::size_t>(total));
        audio.right.reserve(static_cast<std::size_t>(total));
    }
    int section = 0;
    bool ok = true;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n == 0) break;
        if (n < 0) {
            ok = false;
            break;
        }
        audio.left.insert(audio.left.end(), pcm[0], pcm[0] + n);
        audio.right.insert(audio.right.end(), pcm[channels > 1 ? 1 : 0],
                           pcm[channels > 1 ? 1 : 0] + n);
    }
    ov_clear(&vf);
    return ok && !audio.left.empty();
}

PieceFigures measurePiece(const Stereo& a, int rate) {
    PieceFigures p;
    const std::size_t n = a.size();
    if (n < 2) return p;
    auto db = [](double x) { return 20 * std::log10(std::max(x, 1e-10)); };
    p.seconds = static_cast<double>(n) / rate;
    double sum = 0, peak = 0;
    std::vector<float> steps;
    steps.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        sum += double(a.left[i]) * a.left[i] + double(a.right[i]) * a.right[i];
        peak = std::max({peak, double(std::abs(a.left[i])), double(std::abs(a.right[i]))});
        if (i > 0) {
            steps.push_back(std::abs(a.left[i] - a.left[i - 1]));
            steps.push_back(std::abs(a.right[i] - a.right[i - 1]));
        }
    }
    p.rmsDb = 10 * std::log10(std::max(sum / (2.0 * n), 1e-20));
    p.peakDb = db(peak);
    const std::size_t k = steps.size() * 999 / 1000;
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(k), steps.end());
    p.stepP999Db = db(steps[k]);
    p.loopJumpDb =
        db(std::max(std::abs(a.left[0] - a.left[n - 1]), std::abs(a.right[0] - a.right[n - 1])));
    return p;
}

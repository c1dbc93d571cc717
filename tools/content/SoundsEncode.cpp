// Writes a synthesized sound as Ogg Vorbis (libvorbisenc, VBR), the same
// bytes on every run.
#include "SoundsEncode.h"

#include "Generator.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool WritePage(std::FILE* f, const ogg_page& page) {
    return std::fwrite(page.header, 1, size_t(page.header_len), f) == size_t(page.header_len) &&
           std::fwrite(page.body, 1, size_t(page.body_len), f) == size_t(page.body_len);
}

} // namespace

void EncodeOgg(const Sound& sound, const std::string& path, float quality, int serial) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw ContentError("cannot write " + path);

    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, sound.Channels, kSoundRate, quality) != 0) {
        vorbis_info_clear(&vi);
        throw ContentError("the Vorbis encoder refused its settings for " + path);
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Quelbrin");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    bool ok = true;
    ogg_page page;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    // The audio starts on a fresh page.
    while (ok && ogg_stream_flush(&os, &page) != 0)
        ok = WritePage(file.get(), page);

    const size_t frames = sound.Frames();
    const size_t chunk = 1024;
    bool eos = false;
    for (size_t done = 0; ok && !eos;) {
        const size_t n = std::min(chunk, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0); // end of stream
        } else {
            float** buf = vorbis_analysis_buffer(&vd, int(n));
            for (size_t i = 0; i < n; ++i) {
                buf[0][i] = sound.L[done + i];
                if (sound.Channels == 2) buf[1][i] = sound.R[done + i];
            }
            vorbis_analysis_wrote(&vd, int(n));
            done += n;
        }
        while (ok && vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (ok && vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (ok && ogg_stream_pageout(&os, &page) != 0) {
                    ok = WritePage(file.get(), page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
        if (n == 0) eos = true;
    }

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    if (!ok || std::fflush(file.get()) != 0) throw ContentError("cannot write " + path);
}

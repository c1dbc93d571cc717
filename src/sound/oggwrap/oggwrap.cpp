// liboggwrap.so: decodes an Ogg Vorbis file into one block of 16-bit PCM.
// The sound player loads it at run time and calls OggLoadFile.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Put16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

// Decodes into a malloc'ed block; nullptr on any failure.
uint8_t* Decode(OggVorbis_File& vf, int channels, int32_t* bytes) {
    const ogg_int64_t frames = ov_pcm_total(&vf, -1);
    const int64_t frameBytes = int64_t(channels) * 2;
    if (frames <= 0 || frames > INT32_MAX / frameBytes) return nullptr;
    const int64_t expected = frames * frameBytes;
    auto* data = static_cast<uint8_t*>(std::malloc(size_t(expected)));
    if (!data) return nullptr;
    int64_t got = 0;
    int section = 0;
    while (got < expected) {
        // Little-endian, 16-bit, signed.
        long n = ov_read(&vf, reinterpret_cast<char*>(data + got),
                         int(std::min<int64_t>(expected - got, 65536)), 0, 2, 1, &section);
        if (n == 0) break;
        if (n == OV_HOLE) continue; // a gap in the stream: go on with what follows
        if (n < 0) {
            std::free(data);
            return nullptr;
        }
        // Every logical stream of a chained file must keep the first one's layout.
        const vorbis_info* vi = ov_info(&vf, section);
        if (!vi || vi->channels != channels) {
            std::free(data);
            return nullptr;
        }
        got += n;
    }
    if (got == 0) {
        std::free(data);
        return nullptr;
    }
    *bytes = int32_t(got);
    return data;
}

} // namespace

// Non-zero when the file was decoded: *size receives the byte count, format20
// a 20-byte wave format header (integer PCM, 16 bits), *data the malloc'ed
// samples, which the caller frees. On failure nothing is written.
extern "C" __attribute__((visibility("default"))) int OggLoadFile(const char* path, int32_t* size,
                                                                  void* format20, void** data) {
    if (!path || !size || !format20 || !data) return 0;
    OggVorbis_File vf;
    if (ov_fopen(path, &vf) != 0) return 0;
    const vorbis_info* vi = ov_info(&vf, -1);
    int ok = 0;
    if (vi && vi->channels >= 1 && vi->channels <= 8 && vi->rate > 0 && vi->rate <= 1000000) {
        const int channels = vi->channels;
        const uint32_t rate = uint32_t(vi->rate);
        int32_t bytes = 0;
        if (uint8_t* pcm = Decode(vf, channels, &bytes)) {
            uint8_t header[20] = {};
            const uint32_t blockAlign = uint32_t(channels) * 2;
            Put16(header + 0, 1); // integer PCM
            Put16(header + 2, uint32_t(channels));
            Put32(header + 4, rate);
            Put32(header + 8, rate * blockAlign);
            Put16(header + 12, blockAlign);
            Put16(header + 14, 16);
            std::memcpy(format20, header, sizeof header);
            *size = bytes;
            *data = pcm;
            ok = 1;
        }
    }
    ov_clear(&vf);
    return ok;
}

// Ogg Vorbis encoding with libvorbisenc, deterministic: fixed quality, fixed
// serial number, fixed comment, fixed feed size.

#include <vorbis/vorbisenc.h>

#include <cstring>

#include "SoundGen.h"

namespace soundgen {

namespace {

void appendPage(std::vector<uint8_t> &out, const ogg_page &page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

} // namespace

std::vector<uint8_t> encodeOgg(const std::vector<float> &pcm, int serial) {
  std::vector<uint8_t> out;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, kRate, 0.5f) != 0) {
    vorbis_info_clear(&vi);
    return out;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "Quarvel sound effect");

  vorbis_dsp_state vd;
  vorbis_block vb;
  ogg_stream_state os;
  ogg_page page;
  ogg_packet packet, comments, codebooks;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_init(&os, serial);

  vorbis_analysis_headerout(&vd, &vc, &packet, &comments, &codebooks);
  ogg_stream_packetin(&os, &packet);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  while (ogg_stream_flush(&os, &page) != 0) appendPage(out, page);

  const size_t chunk = 1024;
  size_t pos = 0;
  bool eos = false;
  while (!eos) {
    size_t n = pcm.size() - pos < chunk ? pcm.size() - pos : chunk;
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float **buffer = vorbis_analysis_buffer(&vd, (int)n);
      memcpy(buffer[0], pcm.data() + pos, n * sizeof(float));
      vorbis_analysis_wrote(&vd, (int)n);
      pos += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page) != 0) {
          appendPage(out, page);
          if (ogg_page_eos(&page)) eos = true;
        }
      }
    }
    if (n == 0 && !eos) {
      while (ogg_stream_flush(&os, &page) != 0) appendPage(out, page);
      eos = true;
    }
  }

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

} // namespace soundgen

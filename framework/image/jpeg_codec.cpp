// JPEG decoding through libjpeg from memory: greyscale, YCbCr/RGB and CMYK/YCCK into 32-bit
// pixels. libjpeg reports errors through a callback that must not return, so it longjmps back
// into small functions holding only plain locals; an RAII owner releases the decompressor.
#include <cstdio>  // before jpeglib.h, which uses FILE and size_t

#include <jerror.h>
#include <jpeglib.h>

#include <bit>
#include <csetjmp>
#include <cstring>

#include "framework/image/codecs.h"
#include "framework/image/internal/codec_support.h"

namespace fw {

namespace {

static_assert(std::endian::native == std::endian::little,
              "pixels are written as B, G, R, X bytes into 0x00RRGGBB words");

// More scans than any sensible progressive file uses; a stream with more is refused rather
// than decoded pass after pass.
constexpr int kMaxScans = 500;
// Working memory libjpeg may take beyond the output pixels (coefficient buffers).
constexpr long kMaxDecoderMemory = 512L << 20;

struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX + 32];
};

[[noreturn]] void JumpOut(j_common_ptr info) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
  char text[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, text);
  std::snprintf(manager->message, sizeof manager->message, "Invalid JPEG image: %s", text);
  std::longjmp(manager->jump, 1);
}

void OnErrorExit(j_common_ptr info) {
  JumpOut(info);
}

// Warnings mean corrupt or truncated data (libjpeg would otherwise pad a truncated file with
// grey and return it); they fail the decode, except the few that only describe odd markers.
void OnMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  const int code = info->err->msg_code;
  if (code == JWRN_EXTRANEOUS_DATA || code == JWRN_ADOBE_XFORM || code == JWRN_JFIF_MAJOR) return;
  JumpOut(info);
}

void OnProgress(j_common_ptr info) {
  auto* decompressor = reinterpret_cast<j_decompress_ptr>(info);
  if (decompressor->input_scan_number > kMaxScans) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    std::snprintf(manager->message, sizeof manager->message,
                  "Invalid JPEG image: more than %d scans", kMaxScans);
    std::longjmp(manager->jump, 1);
  }
}

// Owns the decompressor for the duration of one decode.
struct JpegDecoder {
  JpegDecoder() {
    std::memset(&info, 0, sizeof info);
    std::memset(&errors, 0, sizeof errors);
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnErrorExit;
    errors.pub.emit_message = OnMessage;
    progress.progress_monitor = OnProgress;
    std::snprintf(errors.message, sizeof errors.message, "Invalid JPEG image");
  }
  ~JpegDecoder() { jpeg_destroy_decompress(&info); }
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  jpeg_decompress_struct info;
  JpegErrorManager errors;
  jpeg_progress_mgr progress{};
};

bool ReadJpegHeader(JpegDecoder* decoder, const uint8_t* data, size_t size) {
  if (setjmp(decoder->errors.jump)) return false;
  jpeg_create_decompress(&decoder->info);
  decoder->info.progress = &decoder->progress;
  decoder->info.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&decoder->info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&decoder->info, TRUE);
  return true;
}

// Decompresses every scanline into `pixels` (4 bytes per pixel) and reads to the end marker.
bool ReadJpegPixels(JpegDecoder* decoder, J_COLOR_SPACE outSpace, uint8_t* pixels) {
  if (setjmp(decoder->errors.jump)) return false;
  jpeg_decompress_struct* info = &decoder->info;
  info->out_color_space = outSpace;
  jpeg_start_decompress(info);
  if (info->output_components != 4) {
    std::snprintf(decoder->errors.message, sizeof decoder->errors.message,
                  "Invalid JPEG image: unexpected colour layout");
    return false;
  }
  const size_t stride = size_t{info->output_width} * 4;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = pixels + size_t{info->output_scanline} * stride;
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  return true;
}

// CMYK as stored with the APP14 colour-transform marker is inverted (255 = no ink), which is
// how nearly every CMYK JPEG is written; without the marker the values are taken as ink.
void CmykToRgb(std::vector<TPixel>& pixels, bool inverted) {
  for (TPixel& pixel : pixels) {
    uint32_t c = pixel & 0xFF, m = (pixel >> 8) & 0xFF, y = (pixel >> 16) & 0xFF, k = pixel >> 24;
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    const uint32_t r = (c * k + 127) / 255, g = (m * k + 127) / 255, b = (y * k + 127) / 255;
    pixel = (r << 16) | (g << 8) | b;
  }
}

}  // namespace

DecodedImage DecodeJpeg(std::span<const uint8_t> bytes) {
  JpegDecoder decoder;
  if (!ReadJpegHeader(&decoder, bytes.data(), bytes.size())) codec::Fail(decoder.errors.message);
  const jpeg_decompress_struct& info = decoder.info;
  codec::CheckImageSize(info.image_width, info.image_height, "JPEG");

  J_COLOR_SPACE outSpace = JCS_EXT_BGRX;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  if (cmyk)
    outSpace = JCS_CMYK;
  else if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr &&
           info.jpeg_color_space != JCS_RGB)
    codec::Fail("JPEG colour space is not supported");

  DecodedImage image;
  image.width = static_cast<int>(info.image_width);
  image.height = static_cast<int>(info.image_height);
  image.bitsPerPixel = info.num_components * 8;
  image.pixels.resize(size_t{info.image_width} * info.image_height);
  if (!ReadJpegPixels(&decoder, outSpace, reinterpret_cast<uint8_t*>(image.pixels.data())))
    codec::Fail(decoder.errors.message);
  if (cmyk)
    CmykToRgb(image.pixels, info.saw_Adobe_marker);
  else
    for (TPixel& pixel : image.pixels) pixel &= 0x00FFFFFF;
  return image;
}

}  // namespace fw

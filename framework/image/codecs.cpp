// PLACEHOLDER until the codecs land.
#include "framework/image/codecs.h"
#include "framework/base/exceptions.h"
namespace fw {
ImageFormat DetectImageFormat(std::span<const uint8_t>) { return ImageFormat::Unknown; }
DecodedImage DecodeImage(std::span<const uint8_t>) { throw EInvalidGraphic("codecs not built yet"); }
DecodedImage DecodeBmp(std::span<const uint8_t>) { throw EInvalidGraphic("codecs not built yet"); }
DecodedImage DecodePng(std::span<const uint8_t>) { throw EInvalidGraphic("codecs not built yet"); }
DecodedImage DecodeJpeg(std::span<const uint8_t>) { throw EInvalidGraphic("codecs not built yet"); }
std::vector<uint8_t> EncodeBmp(const DecodedImage&) { throw EInvalidGraphic("codecs not built yet"); }
std::vector<uint8_t> EncodePng(const DecodedImage&) { throw EInvalidGraphic("codecs not built yet"); }
}  // namespace fw

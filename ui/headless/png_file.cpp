// SavePng, with stb_image_write compiled here: only the headless backend writes images.
#include <cstdint>
#include <fstream>
#include <vector>

#include "base/error.h"
#include "ui/headless/headless_backend.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace veyra::ui {

namespace {

// Premultiplied ARGB to straight RGBA bytes, as PNG stores them.
std::vector<std::uint8_t> StraightRgba(const Bitmap& bitmap) {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(bitmap.pixels().size() * 4);
  for (const Pixel p : bitmap.pixels()) {
    const std::uint32_t a = p >> 24;
    const auto unpremultiply = [a](std::uint32_t c) {
      return static_cast<std::uint8_t>(a == 0 ? 0 : (c * 255 + a / 2) / a);
    };
    rgba.push_back(unpremultiply(p >> 16 & 0xFF));
    rgba.push_back(unpremultiply(p >> 8 & 0xFF));
    rgba.push_back(unpremultiply(p & 0xFF));
    rgba.push_back(static_cast<std::uint8_t>(a));
  }
  return rgba;
}

void AppendBytes(void* context, void* data, int size) {
  auto& out = *static_cast<std::vector<char>*>(context);
  out.insert(out.end(), static_cast<char*>(data), static_cast<char*>(data) + size);
}

}  // namespace

void SavePng(const Bitmap& bitmap, const std::string& path) {
  const std::vector<std::uint8_t> rgba = StraightRgba(bitmap);
  std::vector<char> png;
  if (!stbi_write_png_to_func(&AppendBytes, &png, bitmap.width(), bitmap.height(), 4, rgba.data(),
                              bitmap.width() * 4)) {
    throw Error("Cannot encode a PNG image.");
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(png.data(), static_cast<std::streamsize>(png.size()));
  if (!file.flush()) throw Error("Cannot write " + path);
}

}  // namespace veyra::ui

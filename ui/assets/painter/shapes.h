// Signed distances (negative inside) of the shapes the skin is built from, and the noise that
// roughens them.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace veyra::painter {

inline float CircleDistance(float x, float y, float cx, float cy, float radius) {
  return std::hypot(x - cx, y - cy) - radius;
}

// A box centred on (cx, cy) with half sizes hw, hh and rounded corners of the given radius.
inline float RoundBoxDistance(float x, float y, float cx, float cy, float hw, float hh,
                              float radius) {
  float qx = std::fabs(x - cx) - hw + radius, qy = std::fabs(y - cy) - hh + radius;
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
         radius;
}

// A box with its four corners cut off at 45 degrees, cut pixels deep.
inline float ChamferBoxDistance(float x, float y, float cx, float cy, float hw, float hh,
                                float cut) {
  float qx = std::fabs(x - cx) - hw, qy = std::fabs(y - cy) - hh;
  float box = std::max(qx, qy);
  float corner = (qx + qy + cut) / std::sqrt(2.0f);
  return std::max(box, corner);
}

// Repeatable white noise in 0..1 for an integer lattice point.
inline float Hash(int x, int y, int seed = 0) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2147483647u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

// Smooth fractal noise around 0 (about -1..1).
float Fractal(float x, float y, int seed, int octaves = 4);

}  // namespace veyra::painter

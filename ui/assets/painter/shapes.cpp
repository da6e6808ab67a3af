#include "ui/assets/painter/shapes.h"

#define STB_PERLIN_IMPLEMENTATION
#include "stb/stb_perlin.h"

namespace veyra::painter {

float Fractal(float x, float y, int seed, int octaves) {
  return stb_perlin_fbm_noise3(x, y, seed * 17.31f, 2.0f, 0.5f, octaves);
}

}  // namespace veyra::painter

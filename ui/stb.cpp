// The one place the stb implementations are compiled.
#define STB_IMAGE_IMPLEMENTATION
#define STB_TRUETYPE_IMPLEMENTATION
#include "ui/stb.h"

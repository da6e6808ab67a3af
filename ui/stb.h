// The stb headers the toolkit uses, with the options it builds them with.
#pragma once

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>
#include <stb_truetype.h>

// stb's image reader and writer, compiled into the core so that their limits are ours: only
// the three formats we accept, read from memory we already checked, and no side longer than
// our pixel budget allows.
#include "view/imagem_arquivo.hpp"

#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS (::quindra::MAXIMO_PIXELS_IMAGEM)
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

/* Benchmark helper.
 *   bench_tool gen KIND WIDTH HEIGHT OUT.png   makes a test image
 *     KIND: rgba (photo-like, gradients and noise, partial alpha), rgb,
 *           palette (8-bit with transparency), rgba16
 *   bench_tool floor IN.png OUT.raw            the floor: a plain libpng decode
 *                                              to memory plus writing W*H*4 bytes
 */
#include <png.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static uint32_t rng = 12345u;
static uint32_t next_random(void) {
    rng ^= rng << 13;
    rng ^= rng >> 17;
    rng ^= rng << 5;
    return rng;
}

static int clamp255(int v) {
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

static int generate(const char* kind, int w, int h, const char* out) {
    FILE* f = fopen(out, "wb");
    if (!f) return 1;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) return 1;
    png_init_io(png, f);
    png_set_compression_level(png, 6);
    int rgba = !strcmp(kind, "rgba"), rgb = !strcmp(kind, "rgb"), pal = !strcmp(kind, "palette"),
        deep = !strcmp(kind, "rgba16");
    if (!(rgba || rgb || pal || deep)) return 2;
    int channels = rgb ? 3 : pal ? 1 : 4;
    int depth = deep ? 16 : 8;
    int type = rgb ? PNG_COLOR_TYPE_RGB : pal ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGBA;
    png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, depth, type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (pal) {
        png_color colours[256];
        png_byte alpha[256];
        for (int i = 0; i < 256; ++i) {
            colours[i].red = (png_byte)i;
            colours[i].green = (png_byte)(255 - i);
            colours[i].blue = (png_byte)((i * 7) & 255);
            alpha[i] = (png_byte)(i < 16 ? i * 16 : 255);
        }
        png_set_PLTE(png, info, colours, 256);
        png_set_tRNS(png, info, alpha, 256, NULL);
    }
    png_write_info(png, info);
    size_t row_bytes = (size_t)w * (size_t)channels * (size_t)(depth / 8);
    png_bytep row = malloc(row_bytes);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int noise = (int)(next_random() % 24) - 12;
            int r = clamp255(x * 255 / (w > 1 ? w - 1 : 1) + noise);
            int g = clamp255(y * 255 / (h > 1 ? h - 1 : 1) + noise);
            int b = clamp255(((x + y) * 255 / (w + h)) ^ 0x55);
            int a = clamp255(128 + (x - w / 2) * 255 / (w > 1 ? w : 1) + noise);
            int v[4] = {r, g, b, a};
            if (pal) {
                row[x] = (png_byte)((r + g + b) / 3);
            } else if (deep) {
                for (int c = 0; c < 4; ++c) {
                    int s = v[c] * 257 + (int)(next_random() % 200);
                    if (s > 65535) s = 65535;
                    row[(size_t)x * 8 + (size_t)c * 2] = (png_byte)(s >> 8);
                    row[(size_t)x * 8 + (size_t)c * 2 + 1] = (png_byte)(s & 255);
                }
            } else {
                for (int c = 0; c < channels; ++c) row[(size_t)x * (size_t)channels + (size_t)c] = (png_byte)v[c];
            }
        }
        png_write_row(png, row);
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    free(row);
    return fclose(f) == 0 ? 0 : 1;
}

static int floor_run(const char* in, const char* out) {
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, in)) return 1;
    image.format = PNG_FORMAT_BGRA;
    size_t size = PNG_IMAGE_SIZE(image);
    png_bytep buffer = malloc(size);
    if (!buffer || !png_image_finish_read(&image, NULL, buffer, 0, NULL)) return 1;
    FILE* f = fopen(out, "wb");
    if (!f) return 1;
    size_t written = fwrite(buffer, 1, size, f);
    int ok = fclose(f) == 0 && written == size;
    free(buffer);
    return ok ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 6 && !strcmp(argv[1], "gen")) return generate(argv[2], atoi(argv[3]), atoi(argv[4]), argv[5]);
    if (argc == 4 && !strcmp(argv[1], "floor")) return floor_run(argv[2], argv[3]);
    fprintf(stderr, "usage: bench_tool gen KIND W H OUT.png | bench_tool floor IN.png OUT.raw\n");
    return 2;
}

// DecodeJpeg: libjpeg-turbo decoding a JPEG file's bytes into the bitmap a picture keeps.
#include "win/runtime/jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <iterator>
// After <cstdio>: the library's header uses FILE.
#include <jerror.h>
#include <jpeglib.h>

#include "core/runtime/runtime_error.h"

namespace tpr::win {
namespace {

// One decoding. The library reports through its error manager, which leaves
// any error and any warning by a jump back to the start of the step that ran
// into it (see Completes).
struct Decompressor {
    jpeg_decompress_struct info{};  // first: the library's callbacks find the rest from it
    jpeg_error_mgr errors{};
    std::jmp_buf escape{};

    Decompressor() {
        info.err = jpeg_std_error(&errors);
        errors.error_exit = [](j_common_ptr common) { std::longjmp(Of(common).escape, 1); };
        // Level -1 is a warning, about data the library would skip or make
        // up; higher levels are trace messages.
        errors.emit_message = [](j_common_ptr common, int level) {
            if (level < 0) std::longjmp(Of(common).escape, 1);
        };
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    static Decompressor& Of(j_common_ptr common) { return *reinterpret_cast<Decompressor*>(common); }
};

// Runs one step of library calls; false when the library left it. The step
// holds nothing with a destructor, so the jump out of it skips none.
template <class Step>
bool Completes(Decompressor& jpeg, Step step) {
    if (setjmp(jpeg.escape)) return false;
    step();
    return true;
}

// Whether the process can hold a bitmap this size: its size in bytes fits
// the 32 bits a bitmap header has for it, and the free address space.
bool Holdable(JDIMENSION width, JDIMENSION height) {
    const uint64_t bytes = uint64_t{width} * height * 4;
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    return bytes <= MAXDWORD && ::GlobalMemoryStatusEx(&memory) && bytes <= memory.ullAvailVirtual;
}

UniqueHbitmap TopDownDib(JDIMENSION width, JDIMENSION height, uint8_t** pixels) {
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = static_cast<LONG>(width);
    header.bmiHeader.biHeight = -static_cast<LONG>(height);
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueHbitmap bitmap(::CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    *pixels = static_cast<uint8_t*>(bits);
    return bitmap;
}

// Inks (C, M, Y, K bytes) to the bitmap's B, G, R, X in place. Files that
// carry Adobe's marker store each ink inverted (255 = none), as its programs
// write them; files without it hold the ink itself.
void InksToBgrx(uint8_t* pixel, JDIMENSION width, bool inverted) {
    const auto paper = [inverted](uint8_t ink) { return inverted ? ink : 255 - ink; };
    const auto product = [](int a, int b) { return static_cast<uint8_t>((a * b + 127) / 255); };
    for (JDIMENSION x = 0; x < width; ++x, pixel += 4) {
        const int cyan = paper(pixel[0]), magenta = paper(pixel[1]), yellow = paper(pixel[2]);
        const int black = paper(pixel[3]);
        pixel[0] = product(yellow, black);
        pixel[1] = product(magenta, black);
        pixel[2] = product(cyan, black);
        pixel[3] = 255;
    }
}

// Decodes every row straight into its place in the bitmap.
void ReadRows(jpeg_decompress_struct& info, uint8_t* pixels) {
    jpeg_start_decompress(&info);
    const size_t stride = size_t{info.output_width} * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[16];
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(std::size(rows), info.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) rows[i] = pixels + (first + i) * stride;
        const JDIMENSION read = jpeg_read_scanlines(&info, rows, count);
        if (info.out_color_space == JCS_CMYK) {
            for (JDIMENSION i = 0; i < read; ++i)
                InksToBgrx(rows[i], info.output_width, info.saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(&info);
}

}  // namespace

UniqueHbitmap DecodeJpeg(const uint8_t* bytes, size_t size) {
    Decompressor jpeg;
    jpeg_decompress_struct& info = jpeg.info;
    const bool headerRead = Completes(jpeg, [&] {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
        jpeg_read_header(&info, TRUE);
        // The library turns YCCK into CMYK but no inks into RGB.
        const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
        info.out_color_space = inks ? JCS_CMYK : JCS_EXT_BGRX;
        jpeg_calc_output_dimensions(&info);
    });
    if (!headerRead) {
        // Past 65500 pixels a side the library reads no further.
        if (jpeg.errors.msg_code == JERR_IMAGE_TOO_BIG) Raise(kErrOutOfMemory);
        return UniqueHbitmap();
    }
    if (!Holdable(info.output_width, info.output_height)) Raise(kErrOutOfMemory);
    uint8_t* pixels = nullptr;
    UniqueHbitmap bitmap = TopDownDib(info.output_width, info.output_height, &pixels);
    if (!bitmap) Raise(kErrOutOfMemory);
    if (!Completes(jpeg, [&] { ReadRows(info, pixels); })) return UniqueHbitmap();
    return bitmap;
}

}  // namespace tpr::win

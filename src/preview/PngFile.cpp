// A PNG is a signature and chunks, each its length, type, data and a CRC of type and data;
// the image data is every row after a filter byte (0: none), deflated by zlib.
#include "preview/PngFile.h"

#include "platform/FileReplacement.h"

#include <stdexcept>
#include <zlib.h>

namespace kestrelon::preview {
namespace {

void appendWord(std::vector<std::uint8_t>& out, std::uint32_t word)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(word >> shift));
}

void appendChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data)
{
    appendWord(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    appendWord(out, static_cast<std::uint32_t>(crc));
}

std::vector<std::uint8_t> header(const Raster& raster)
{
    std::vector<std::uint8_t> data;
    appendWord(data, static_cast<std::uint32_t>(raster.width()));
    appendWord(data, static_cast<std::uint32_t>(raster.height()));
    data.insert(data.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, adaptive filters, no interlace
    return data;
}

std::vector<std::uint8_t> imageData(const Raster& raster)
{
    const std::size_t rowBytes = static_cast<std::size_t>(raster.width()) * 3;
    std::vector<std::uint8_t> rows;
    rows.reserve((rowBytes + 1) * static_cast<std::size_t>(raster.height()));
    for (int y = 0; y < raster.height(); ++y) {
        rows.push_back(0);
        const auto start = raster.rgb().begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y));
        rows.insert(rows.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
    }
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    std::vector<std::uint8_t> packed(size);
    if (compress2(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_SPEED) != Z_OK)
        throw std::bad_alloc();
    packed.resize(size);
    return packed;
}

} // namespace

std::vector<std::uint8_t> encodePng(const Raster& raster)
{
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendChunk(png, "IHDR", header(raster));
    appendChunk(png, "IDAT", imageData(raster));
    appendChunk(png, "IEND", {});
    return png;
}

void writePng(const Raster& raster, const std::string& path)
{
    const std::vector<std::uint8_t> png = encodePng(raster);
    replaceFile(path, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

} // namespace kestrelon::preview

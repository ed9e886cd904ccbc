#include "engine/watermark_layout.h"

#include <algorithm>
#include <cmath>

#include "settings/settings.h"

WatermarkArea CurrentWatermarkArea(int width, int height) {
    const auto& w = ConversionSettings.watermark;
    const auto& frame = ConversionSettings.frame;
    WatermarkArea area;
    area.width = width;
    area.height = height;
    int boundary = 0;
    if (w.doWatermark == 1) {
        area.position = w.textPosition;
        area.xOffset = w.textXOffset;
        area.yOffset = w.textYOffset;
        boundary = w.textBoundary;
    } else if (w.doWatermark == 2) {
        area.position = w.imagePosition;
        area.xOffset = w.imageXOffset;
        area.yOffset = w.imageYOffset;
        boundary = w.imageBoundary;
    } else {
        return area;
    }
    if (frame.doFrame != 0 && boundary == 1) {
        area.left = frame.solidLeft;
        area.top = frame.solidTop;
        area.width = int64_t{width} - frame.solidLeft - frame.solidRight;
        area.height = int64_t{height} - frame.solidTop - frame.solidBottom;
    }
    return area;
}

WatermarkPoint WatermarkPosition(const WatermarkArea& area, int64_t w, int64_t h) {
    const int64_t near_x = area.xOffset;
    const int64_t centre_x = (area.width - w) / 2;
    const int64_t far_x = area.width - w - area.xOffset;
    const int64_t near_y = area.yOffset;
    const int64_t centre_y = (area.height - h) / 2;
    const int64_t far_y = area.height - h - area.yOffset;
    WatermarkPoint point;
    switch (area.position) {
        case 0:
            point = {near_x, near_y};
            break;
        case 1:
            point = {centre_x, near_y};
            break;
        case 2:
            point = {far_x, near_y};
            break;
        case 3:
            point = {near_x, centre_y};
            break;
        case 4:
            point = {centre_x, centre_y};
            break;
        case 5:
            point = {far_x, centre_y};
            break;
        case 6:
            point = {near_x, far_y};
            break;
        case 7:
            point = {centre_x, far_y};
            break;
        case 8:
            point = {far_x, far_y};
            break;
        default:
            point = {0, 0};
            break;
    }
    return {point.x + area.left, point.y + area.top};
}

WatermarkSize FittedWatermarkSize(const WatermarkArea& area, int64_t w, int64_t h) {
    WatermarkSize size{w, h};
    if (w + area.xOffset > area.width) size.width = area.width - area.xOffset;
    if (h + area.yOffset > area.height) size.height = area.height - area.yOffset;
    return size;
}

FIBITMAP* FitWatermark(FIBITMAP* watermark, const WatermarkArea& area, int64_t w, int64_t h) {
    if (!watermark) return nullptr;
    const WatermarkSize size = FittedWatermarkSize(area, w, h);
    if (size.width == w && size.height == h) return watermark;
    // An offset as large as the area leaves nothing to show.
    FIBITMAP* part = size.width > 0 && size.height > 0
                         ? FreeImage_Copy(watermark, 0, 0, static_cast<int>(size.width), static_cast<int>(size.height))
                         : nullptr;
    FreeImage_Unload(watermark);
    return part;
}

int64_t LineX(int alignment, int64_t lineWidth, int64_t blockWidth, int64_t padding) {
    switch (alignment) {
        case 0:
            return padding;
        case 1:
            return std::lround(static_cast<float>(blockWidth - lineWidth) / 2.0f);
        case 2:
            return blockWidth - lineWidth - padding;
        default:
            return 0;
    }
}

QStringList WatermarkLines(const QString& text) {
    return text.split(QStringLiteral("%eol%"), Qt::KeepEmptyParts, Qt::CaseInsensitive);
}

TextBlock LayOutTextBlock(const std::vector<LineExtent>& lines, int64_t leading, int64_t padding) {
    TextBlock block;
    if (lines.size() == 1) {
        block.width = lines[0].width;
        block.height = lines[0].height;
    } else if (!lines.empty()) {
        int64_t widest = 10, tallest = 10;
        for (const LineExtent& line : lines) {
            widest = std::max(widest, line.width);
            tallest = std::max(tallest, line.height);
        }
        block.step = tallest + leading;
        block.width = widest;
        block.height = tallest + static_cast<int64_t>(lines.size() - 1) * block.step;
    }
    block.width += 2 * padding;
    block.height += 2 * padding;
    return block;
}

CanvasPixel GreyFilter(CanvasPixel pixel) {
    const auto grey = static_cast<uint8_t>((77 * pixel.red + 150 * pixel.green + 29 * pixel.blue) >> 8);
    return {grey, grey, grey, pixel.alpha};
}

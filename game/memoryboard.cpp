#include "memoryboard.h"

namespace vortalin {

void MemoryBoard::drawPoint(float x, float y, Rgb colour) {
    ++pointCount;
    if (recordDrawing)
        points.push_back({x, y, colour});
}

void MemoryBoard::drawLine(float x1, float y1, float x2, float y2, Rgb colour) {
    ++lineCount;
    if (recordDrawing)
        lines.push_back({x1, y1, x2, y2, colour});
}

void MemoryBoard::drawCircle(float cx, float cy, float radius, Rgb outline) {
    ++circleCount;
    if (recordDrawing)
        circles.push_back({cx, cy, radius, outline, fillColour});
}

void MemoryBoard::clearGraphics() {
    ++clears;
    points.clear();
    lines.clear();
    circles.clear();
}

void MemoryBoard::repaint() {
    ++repaints;
    clearGraphics(); // a repaint of the window takes the drawn graphics away
}

MemoryBoard::Picture& MemoryBoard::picture(ImageArray array, int index) {
    return array == ImageArray::bodies ? bodies.at(std::size_t(index))
                                       : ships.at(std::size_t(index));
}

void MemoryBoard::setPicture(ImageArray array, int index, std::optional<int> stock) {
    picture(array, index).stock = stock;
}

void MemoryBoard::movePicture(ImageArray array, int index, float left, float top) {
    Picture& p = picture(array, index);
    p.left = left;
    p.top = top;
    p.moved = true;
}

bool MemoryBoard::yield() {
    ++yields;
    if (onYield)
        onYield();
    return !ending;
}

} // namespace vortalin

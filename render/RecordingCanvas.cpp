#include "render/RecordingCanvas.h"

#include "render/Bitmap.h"

#include <algorithm>
#include <iterator>

CanvasOp RecordingCanvas::make(CanvasOp::Kind kind) const {
    CanvasOp op;
    op.kind = kind;
    op.pen = pen;
    op.brush = brush;
    op.font = font;
    return op;
}

void RecordingCanvas::drawLine(Point from, Point to) {
    CanvasOp op = make(CanvasOp::Line);
    op.x1 = from.x;
    op.y1 = from.y;
    op.x2 = to.x;
    op.y2 = to.y;
    ops.push_back(op);
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    CanvasOp op = make(CanvasOp::Ellipse);
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    ops.push_back(op);
}

void RecordingCanvas::SetPixel(int x, int y, Color c) {
    CanvasOp op = make(CanvasOp::Pixel);
    op.x1 = x;
    op.y1 = y;
    op.pixel = c;
    ops.push_back(op);
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    CanvasOp op = make(CanvasOp::Text);
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    ops.push_back(op);
}

int RecordingCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * std::max(1, font.size * 6 / 8);
}

int RecordingCanvas::TextHeight(const std::string&) {
    return font.size * 3 / 2;
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
    CanvasOp op = make(CanvasOp::Fill);
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    ops.push_back(op);
}

void RecordingCanvas::StretchDraw(int left, int top, int right, int bottom, const Bitmap& picture) {
    if (picture.empty())
        return;
    CanvasOp op = make(CanvasOp::Picture);
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    ops.push_back(op);
}

std::vector<CanvasOp> RecordingCanvas::of(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [kind](const CanvasOp& op) { return op.kind == kind; });
    return out;
}

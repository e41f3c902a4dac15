#include "web/binding/CanvasStream.h"

#include <algorithm>

namespace web {

std::string cssFont(const platform::Font& f) {
  std::string css;
  if (f.italic) css += "italic ";
  if (f.bold) css += "bold ";
  css += std::to_string(f.size) + "pt \"";
  for (const char c : f.name)
    if (c != '"' && c != '\\') css += c;
  return css + "\", sans-serif";
}

TextMetrics fixedTextMetrics() {
  // About the advance of a sans-serif face at 96 dpi: good enough to lay out labels.
  return {[](const platform::Font& f, const std::string& utf8) {
            int characters = 0;
            for (const unsigned char c : utf8) characters += (c & 0xC0) != 0x80;
            return characters * f.size * 4 * 4 / 3 / 7;
          },
          [](const platform::Font& f) { return f.size * 4 / 3 + f.size / 3 + 1; }};
}

MeasuringCanvas::MeasuringCanvas(int width, int height, TextMetrics metrics)
    : width_(width), height_(height), metrics_(std::move(metrics)) {}

int MeasuringCanvas::textHeight(const std::string&) { return metrics_.height(font()); }

void CanvasStream::clear() {
  words_.clear();
  fonts_.clear();
  texts_.clear();
  linesAt_ = npos;
  styled_ = false;
}

void CanvasStream::syncStyle() {
  const platform::Font& f = font();
  auto at = std::find(fonts_.begin(), fonts_.end(), f);
  if (at == fonts_.end()) at = fonts_.insert(fonts_.end(), f);
  const std::int32_t now[6] = {static_cast<std::int32_t>(penColor()), penWidth(),
                               static_cast<std::int32_t>(penStyle()),
                               static_cast<std::int32_t>(brushColor()),
                               static_cast<std::int32_t>(brushStyle()),
                               static_cast<std::int32_t>(at - fonts_.begin())};
  if (styled_ && std::equal(now, now + 6, style_)) return;
  std::copy(now, now + 6, style_);
  styled_ = true;
  op(StreamOp::Style);
  words_.insert(words_.end(), now, now + 6);
}

void CanvasStream::moveTo(int x, int y) {
  Canvas::moveTo(x, y);
  op(StreamOp::Move);
  words_.push_back(x);
  words_.push_back(y);
}

void CanvasStream::lineTo(int x, int y) {
  syncStyle();
  if (linesAt_ == npos) {
    op(StreamOp::Lines);
    linesAt_ = words_.size();
    words_.push_back(0);
  }
  ++words_[linesAt_];
  words_.push_back(x);
  words_.push_back(y);
  setPenPos({x, y});
}

void CanvasStream::ellipse(int x1, int y1, int x2, int y2) {
  syncStyle();
  op(StreamOp::Ellipse);
  words_.insert(words_.end(), {x1, y1, x2, y2});
}

void CanvasStream::rectangle(int x1, int y1, int x2, int y2) {
  syncStyle();
  op(StreamOp::Rectangle);
  words_.insert(words_.end(), {x1, y1, x2, y2});
}

void CanvasStream::textOut(int x, int y, const std::string& utf8) {
  syncStyle();
  op(StreamOp::Text);
  texts_.push_back(utf8);
  words_.insert(words_.end(), {x, y, static_cast<std::int32_t>(texts_.size() - 1)});
}

void encodePicture(const platform::PictureRecorder& recorder, CanvasStream& out) {
  out.clear();
  recorder.replay(out);
}

}  // namespace web

#include "platform/PictureRecorder.h"

namespace platform {

PictureRecorder::PictureRecorder(Canvas& target, std::size_t limit)
    : target_(target), limit_(limit) {
  restart();
}

void PictureRecorder::restart() {
  entries_.clear();
  points_.clear();
  styles_.clear();
  fonts_.clear();
  texts_.clear();
  recorded_ = 0;
  inLines_ = false;
  overflow_ = false;
  styleChanged_ = true;
  record(Op::MoveTo, penPos().x, penPos().y);
}

bool PictureRecorder::full() {
  if (recorded_ < limit_) return false;
  if (overflow_) return true;
  overflow_ = true;
  std::vector<Entry>().swap(entries_);
  std::vector<Point>().swap(points_);
  std::vector<std::string>().swap(texts_);
  return true;
}

void PictureRecorder::record(Op op, int x1, int y1, int x2, int y2, std::size_t index) {
  if (full()) return;
  entries_.push_back({x1, y1, x2, y2, static_cast<std::uint32_t>(index), op});
  ++recorded_;
  inLines_ = false;
}

void PictureRecorder::syncStyle() {
  styleChanged_ = false;
  const Pen pen{penColor(), penWidth(), penStyle()};
  const Brush brush{brushColor(), brushStyle()};
  if (target_.penColor() != pen.color) target_.setPenColor(pen.color);
  if (target_.penWidth() != pen.width) target_.setPenWidth(pen.width);
  if (target_.penStyle() != pen.style) target_.setPenStyle(pen.style);
  if (target_.brushColor() != brush.color) target_.setBrushColor(brush.color);
  if (target_.brushStyle() != brush.style) target_.setBrushStyle(brush.style);
  if (!(target_.font() == font())) target_.setFont(font());
  if (overflow_) return;
  if (!styles_.empty()) {
    const Style& last = styles_.back();
    if (last.pen.color == pen.color && last.pen.width == pen.width &&
        last.pen.style == pen.style && last.brush.color == brush.color &&
        last.brush.style == brush.style && fonts_[last.font] == font())
      return;
  }
  if (fonts_.empty() || !(fonts_.back() == font())) fonts_.push_back(font());
  styles_.push_back({pen, brush, fonts_.size() - 1});
  record(Op::Style, 0, 0, 0, 0, styles_.size() - 1);
}

void PictureRecorder::moveTo(int x, int y) {
  Canvas::moveTo(x, y);
  record(Op::MoveTo, x, y);
  target_.moveTo(x, y);
}

void PictureRecorder::lineTo(int x, int y) {
  if (styleChanged_) syncStyle();
  if (!full()) {
    if (!inLines_) {
      record(Op::Lines, 0, 0, 0, 0, points_.size());
      inLines_ = true;
    }
    ++entries_.back().x1;
    points_.push_back({x, y});
    ++recorded_;
  }
  target_.lineTo(x, y);
  setPenPos({x, y});
}

void PictureRecorder::ellipse(int x1, int y1, int x2, int y2) {
  if (styleChanged_) syncStyle();
  record(Op::Ellipse, x1, y1, x2, y2);
  target_.ellipse(x1, y1, x2, y2);
}

void PictureRecorder::rectangle(int x1, int y1, int x2, int y2) {
  // A solid fill of the whole surface covers everything drawn before it.
  if (brushStyle() == BrushStyle::Solid && x1 <= 0 && y1 <= 0 && x2 >= width() &&
      y2 >= height())
    restart();
  if (styleChanged_) syncStyle();
  record(Op::Rectangle, x1, y1, x2, y2);
  target_.rectangle(x1, y1, x2, y2);
}

void PictureRecorder::textOut(int x, int y, const std::string& utf8) {
  if (styleChanged_) syncStyle();
  if (!overflow_) {
    texts_.push_back(utf8);
    record(Op::Text, x, y, 0, 0, texts_.size() - 1);
  }
  target_.textOut(x, y, utf8);
}

void PictureRecorder::replay(Canvas& out) const {
  for (const Entry& e : entries_) {
    switch (e.op) {
      case Op::Style: {
        const Style& s = styles_[e.index];
        out.setPenColor(s.pen.color);
        out.setPenWidth(s.pen.width);
        out.setPenStyle(s.pen.style);
        out.setBrushColor(s.brush.color);
        out.setBrushStyle(s.brush.style);
        out.setFont(fonts_[s.font]);
        break;
      }
      case Op::MoveTo: out.moveTo(e.x1, e.y1); break;
      case Op::Lines:
        for (std::size_t i = e.index; i < e.index + static_cast<std::size_t>(e.x1); ++i)
          out.lineTo(points_[i].x, points_[i].y);
        break;
      case Op::Ellipse: out.ellipse(e.x1, e.y1, e.x2, e.y2); break;
      case Op::Rectangle: out.rectangle(e.x1, e.y1, e.x2, e.y2); break;
      case Op::Text: out.textOut(e.x1, e.y1, texts_[e.index]); break;
    }
  }
}

}  // namespace platform

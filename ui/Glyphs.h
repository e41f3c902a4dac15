#pragma once

#include <QIcon>
#include <functional>

class QPainter;

// Tool-bar and button glyphs, painted at run time so they stay crisp at any scale.
namespace glyphs {
// An icon painted on a 32 x 32 logical grid at 16, 24, 32 and 48 pixels and the
// screen's density; for glyphs of other units too.
QIcon paintIcon(const std::function<void(QPainter&)>& paint);

QIcon info();
QIcon help();
QIcon demo2D();
QIcon demo3D();
QIcon quit();
QIcon ok();
QIcon close();
QIcon convert();
QIcon generate();
QIcon move();
QIcon pause();
QIcon play();
QIcon singleStep();
QIcon open();
QIcon save();
QIcon table();
QIcon sky();
QIcon history();
QIcon errors();
QIcon scatter();
}  // namespace glyphs

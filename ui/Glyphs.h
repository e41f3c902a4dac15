#pragma once

#include <QIcon>

// Tool-bar and button glyphs, painted at run time so they stay crisp at any scale.
namespace glyphs {
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
}  // namespace glyphs

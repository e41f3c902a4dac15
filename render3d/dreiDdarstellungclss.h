#pragma once

// Projection of drawable 3D objects onto a plane facing the viewer, and the mapping
// of that plane onto the pixels of an image.

#include <cstdint>

#include "containers/listClss.h"
#include "geometry/vektorR3clss.h"
#include "platform/Canvas.h"
#include "render3d/DreiDclss.h"

// The rectangle of the projection plane that is shown: lower-left and upper-right
// corner. Its width and height must not be 0.
struct TViewWindow {
  TVektorR2 first;
  TVektorR2 second;
  friend bool operator==(const TViewWindow&, const TViewWindow&) = default;
};

// Maps the view window onto the pixel rectangle of an image: the first corner to
// (left, bottom), the second to (right, top). Pixel rows grow downwards.
class TTransformer {
 public:
  // Reads the image's current size.
  TTransformer(const TViewWindow& viewWindow, const platform::Canvas& image);

  platform::Point worldToPixel(TVektorR2 p) const;

  TViewWindow viewWindow;
  std::int32_t left = 0;
  std::int32_t bottom = 0;
  std::int32_t right = 0;
  std::int32_t top = 0;
};

// Draws or turns one object. Lives for one drawing: the scene makes one per object
// with its current viewer data, rotates, draws and drops it.
class T3DProjektion {
 public:
  static constexpr std::uint8_t parallel = 0;
  static constexpr std::uint8_t central = 1;

  // The object and the image are not owned.
  T3DProjektion(T3DObjekt& object, std::uint8_t projectionKind, platform::Canvas& image,
                const TViewWindow& viewWindow, TVektorR3 eye);

  // The pixel of P. Without clipping: a point outside the window gives a pixel
  // outside the image. A point that can not be projected (the eye itself under
  // central projection, a projecting line parallel to the plane) lands on the
  // origin's pixel.
  platform::Point projectPoint(TVektorR3 P);

  // Draws the object according to its kind, in its colour and pen width.
  void draw();
  // Turns every point of the object about x by angles.x, then y, then z.
  void rotate(TVektorR3 angles);

  // Pen to the first projected point, a line to each following one. Elements that
  // are not points are passed over.
  void drawPolyline(TListe& list);
  void drawPolylines(TListe& list);
  void rotatePoints(TListe& list, TVektorR3 angles);
  void rotatePolylines(TListe& list, TVektorR3 angles);

  T3DObjekt& object;
  std::uint8_t projectionKind;
  TVektorR3 eye;
  TViewWindow viewWindow;
  platform::Canvas& image;
  TEuklidGeoR3 geometry{false};
  TTransformer transformer;

 private:
  platform::Canvas& canvas() { return image; }
  void drawSublists(TListe& list, std::uint32_t from, std::uint32_t to);
  void drawConsumingPolylines();
  void drawMixed();

  // The image plane through the origin facing the eye, with its unit axes.
  TEbeneR3 imagePlane_;
  bool planeValid_ = false;
  // The plane's equation passes the calculator's check: projectPoint may skip it.
  bool equationValid_ = false;
  TEbenengleichungR3 planeEquation_;
};

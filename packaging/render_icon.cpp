// Renders the program's SVG icon as a square PNG of a given size, for the icon theme.
// Usage: ortivo_render_icon <icon.svg> <size> <out.png>

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <icon.svg> <size> <out.png>\n", argv[0]);
    return 2;
  }
  // The image plug-ins need an application object, but no screen: the icon holds no text.
  int appArgc = 1;
  QCoreApplication app(appArgc, argv);

  const int size = std::atoi(argv[2]);
  if (size <= 0) {
    std::fprintf(stderr, "invalid size %s\n", argv[2]);
    return 2;
  }
  QImageReader reader(QString::fromLocal8Bit(argv[1]));
  reader.setScaledSize(QSize(size, size));
  const QImage image = reader.read();
  if (image.isNull() || image.size() != QSize(size, size)) {
    std::fprintf(stderr, "cannot render %s: %s\n", argv[1],
                 qPrintable(reader.errorString()));
    return 1;
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}

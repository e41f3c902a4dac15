#pragma once

// Files the program writes for worksheets and spreadsheets: pictures of its windows as
// PNG (as shown) or SVG (drawn again as vectors), tables as CSV. Every file is written
// to a temporary file first and then renamed, so that a full disk or a crash never
// leaves a half-written file in place of the old one. Any window can use them: an
// image control, a drawing through platform::Canvas, or any widget (a chart view).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "platform/Canvas.h"

class ImageControl;
class QFileDevice;
class QSettings;

struct PictureSource {
  QSize size;           // logical pixels
  int resolution = 96;  // dots per inch at which the picture's fonts were set
  // The picture as shown.
  std::function<QImage()> raster;
  // Draws the picture again on a paint device of `size` (an SVG generator); without
  // it an SVG file holds the raster.
  std::function<void(QPaintDevice*)> vector;
};

PictureSource pictureOf(ImageControl* image);
// A picture drawn by `draw`, which may be called for each file written.
PictureSource pictureOf(QSize size, std::function<void(platform::Canvas&)> draw);
// What a widget shows, by QWidget::render.
PictureSource pictureOf(QWidget* widget);

// Writes `bytes` to `path` through a temporary file; empty on success, otherwise why
// not, in the program's language.
QString writeFileSafely(const QString& path, const QByteArray& bytes);
// Why a file operation failed.
QString fileErrorReason(const QFileDevice& file);

// The picture as a PNG or SVG file, by the suffix of `path` (.svg, otherwise PNG).
// Empty on success, otherwise the message naming the file.
QString writePicture(const QString& path, const PictureSource& source);
// The CSV text of platform/csv.h; empty on success, otherwise the message.
QString writeTable(const QString& path, const std::string& csv);

// "Bild speichern…": asks for the file (PNG or SVG) and writes it; a failure shows
// its message. `baseName` is the file name offered, without suffix.
void savePictureDialog(QWidget* parent, const PictureSource& source, const QString& baseName);
// "Tabelle exportieren…": asks for a CSV file and writes the text `csv` makes.
void saveTableDialog(QWidget* parent, const std::function<std::string()>& csv,
                     const QString& baseName);
// The file name offered for a picture, in the language of the moment.
using BaseName = std::function<QString()>;
// "Bild speichern…" below a window's picture, in the picture's context menu and on
// Ctrl+S; `baseName` gives the file name offered.
void addPictureButton(QWidget* window, ImageControl* image, BaseName baseName);
// Offers "Bild speichern…" in the widget's context menu.
void addSavePictureAction(QWidget* widget, std::function<PictureSource()> source,
                          BaseName baseName);

// The program's settings: the files and directories last used.
std::unique_ptr<QSettings> programSettings();
// The directory the file dialogs start in: the one last used, kept in the settings.
QString lastDirectory(const char* key);
void rememberDirectory(const char* key, const QString& filePath);

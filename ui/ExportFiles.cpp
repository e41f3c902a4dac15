#include "ui/ExportFiles.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgGenerator>

#include "platform/messages.h"
#include "ui/Glyphs.h"
#include "ui/WidgetHelpers.h"
#include "paint/PainterCanvas.h"
#include "paint/QtCanvas.h"

namespace {

void showFailure(const QString& message) {
  platform::showMessage(platform::MessageKind::Error, message.toStdString());
}

// The context of this file's texts.
struct ExportFiles {
  Q_DECLARE_TR_FUNCTIONS(ExportFiles)
};

QString refusal(const QString& path, const QString& reason) {
  return ExportFiles::tr("Die Datei „%1“ kann nicht gespeichert werden. %2")
      .arg(QDir::toNativeSeparators(path), reason);
}

QByteArray svgOf(const PictureSource& source) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(source.size);
  svg.setViewBox(QRect(QPoint(0, 0), source.size));
  svg.setResolution(source.resolution);
  svg.setTitle(QStringLiteral("Ortivo"));
  if (source.vector) {
    source.vector(&svg);
  } else {
    QPainter p(&svg);
    p.drawImage(QRect(QPoint(0, 0), source.size), source.raster());
  }
  return bytes;
}

QByteArray pngOf(const PictureSource& source) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(source.raster())) return {};
  return bytes;
}

QString askFileName(QWidget* parent, const QString& title, const char* directoryKey,
                    const QString& baseName, const QStringList& filters,
                    const QStringList& suffixes) {
  QString chosenFilter = filters.front();
  QString path = QFileDialog::getSaveFileName(
      parent, title, QDir(lastDirectory(directoryKey)).filePath(baseName + "." + suffixes.front()),
      filters.join(";;"), &chosenFilter);
  if (path.isEmpty()) return path;
  // Without one of the offered suffixes the file gets the one of the chosen type.
  if (!suffixes.contains(QFileInfo(path).suffix().toLower())) {
    const qsizetype i = filters.indexOf(chosenFilter);
    path += "." + suffixes.at(i < 0 ? 0 : i);
  }
  rememberDirectory(directoryKey, path);
  return path;
}

}  // namespace

PictureSource pictureOf(ImageControl* image) {
  PictureSource source;
  source.size = image->size();
  source.resolution = image->image().logicalDpiX();
  source.raster = [image] { return image->image(); };
  source.vector = [image](QPaintDevice* device) {
    bool drawn = false;
    {
      PainterCanvas canvas(device);  // takes the device only when it draws
      drawn = image->drawPicture(canvas);
    }
    if (!drawn) {
      // Too large to draw again: the file holds the picture as shown.
      QPainter p(device);
      p.drawImage(QRect(QPoint(0, 0), image->size()), image->image());
    }
  };
  return source;
}

PictureSource pictureOf(QSize size, std::function<void(platform::Canvas&)> draw) {
  PictureSource source;
  source.size = size;
  source.raster = [size, draw] {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QtCanvas canvas(&image);
    draw(canvas);
    canvas.finish();
    return image;
  };
  source.resolution = QImage(1, 1, QImage::Format_ARGB32).logicalDpiX();
  source.vector = [draw](QPaintDevice* device) {
    PainterCanvas canvas(device);
    draw(canvas);
  };
  return source;
}

PictureSource pictureOf(QWidget* widget) {
  PictureSource source;
  source.size = widget->size();
  source.resolution = widget->logicalDpiX();
  source.raster = [widget] { return widget->grab().toImage(); };
  source.vector = [widget](QPaintDevice* device) {
    QPainter p(device);
    widget->render(&p);
  };
  return source;
}

QString fileErrorReason(const QFileDevice& file) {
  switch (file.error()) {
    case QFileDevice::PermissionsError:
      return ExportFiles::tr("Der Zugriff wurde verweigert.");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
      return ExportFiles::tr(
                 "Beim Schreiben trat ein Fehler auf; vielleicht ist der Datenträger voll (%1).")
          .arg(file.errorString());
    case QFileDevice::OpenError:
      return ExportFiles::tr("Sie kann dort nicht angelegt werden (%1).").arg(file.errorString());
    case QFileDevice::ReadError:
      return ExportFiles::tr("Sie kann nicht gelesen werden (%1).").arg(file.errorString());
    default:
      return QString("%1.").arg(file.errorString());
  }
}

QString writeFileSafely(const QString& path, const QByteArray& bytes) {
  if (QFileInfo(path).isDir()) return ExportFiles::tr("Unter diesem Namen steht ein Ordner.");
  QSaveFile file(path);
  // Unbuffered, so that every write reports what reached the file: through the buffer
  // a write cut short by a full disk would go unnoticed and the commit put a
  // truncated file in place of the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fileErrorReason(file);
  for (qint64 written = 0; written < bytes.size();) {
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      const QString reason = fileErrorReason(file);
      file.cancelWriting();
      return reason;
    }
    written += n;
  }
  // Writes the data through to the disk, then puts the file in place of the old one.
  if (!file.commit()) return fileErrorReason(file);
  return {};
}

QString writePicture(const QString& path, const PictureSource& source) {
  const bool svg = QFileInfo(path).suffix().compare("svg", Qt::CaseInsensitive) == 0;
  const QByteArray bytes = svg ? svgOf(source) : pngOf(source);
  if (bytes.isEmpty())
    return refusal(path, ExportFiles::tr("Das Bild kann nicht umgewandelt werden."));
  const QString reason = writeFileSafely(path, bytes);
  return reason.isEmpty() ? reason : refusal(path, reason);
}

QString writeTable(const QString& path, const std::string& csv) {
  const QString reason =
      writeFileSafely(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
  return reason.isEmpty() ? reason : refusal(path, reason);
}

void savePictureDialog(QWidget* parent, const PictureSource& source, const QString& baseName) {
  const QString path = askFileName(
      parent, ExportFiles::tr("Bild speichern"), "Export/Bilder", baseName,
      {ExportFiles::tr("PNG-Bild (*.png)"), ExportFiles::tr("SVG-Vektorgrafik (*.svg)")},
      {"png", "svg"});
  if (path.isEmpty()) return;
  const QString message = writePicture(path, source);
  if (!message.isEmpty()) showFailure(message);
}

void saveTableDialog(QWidget* parent, const std::function<std::string()>& csv,
                     const QString& baseName) {
  const QString path =
      askFileName(parent, ExportFiles::tr("Tabelle exportieren"), "Export/Tabellen", baseName,
                  {ExportFiles::tr("CSV-Tabelle (*.csv)")}, {"csv"});
  if (path.isEmpty()) return;
  const QString message = writeTable(path, csv());
  if (!message.isEmpty()) showFailure(message);
}

void addSavePictureAction(QWidget* widget, std::function<PictureSource()> source,
                          BaseName baseName) {
  auto* action = new QAction(widget);
  action->setObjectName("ActionBildSpeichern");
  onLanguageChange(widget, [action] { action->setText(ExportFiles::tr("Bild speichern…")); });
  QObject::connect(action, &QAction::triggered, widget, [widget, source, baseName] {
    savePictureDialog(widget->window(), source(), baseName());
  });
  widget->addAction(action);
  widget->setContextMenuPolicy(Qt::ActionsContextMenu);
}

std::unique_ptr<QSettings> programSettings() {
  return std::make_unique<QSettings>(QStringLiteral("Ortivo"), QStringLiteral("Ortivo"));
}

QString lastDirectory(const char* key) {
  const QString dir = programSettings()->value(key).toString();
  if (!dir.isEmpty() && QFileInfo(dir).isDir()) return dir;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

void rememberDirectory(const char* key, const QString& filePath) {
  programSettings()->setValue(key, QFileInfo(filePath).absolutePath());
}

void addPictureButton(QWidget* window, ImageControl* image, BaseName baseName) {
  const auto save = [window, image, baseName] {
    savePictureDialog(window, pictureOf(image), baseName());
  };
  // Below the picture, where both demonstration windows have room.
  QPushButton* button =
      makeButton(window, "BitBtnBildSpeichern", {}, QRect(), glyphs::save(), Qt::NoFocus);
  button->move(image->geometry().left(), image->geometry().bottom() + 12);
  onLanguageChange(button, [button] {
    button->setText(ExportFiles::tr("Bild speichern…"));
    button->setToolTip(ExportFiles::tr("Das Bild als PNG oder SVG speichern (Strg+S)"));
    button->adjustSize();
  });
  QObject::connect(button, &QPushButton::clicked, window, save);
  addSavePictureAction(image, [image] { return pictureOf(image); }, baseName);
  addShortcut(window, QKeySequence::Save, save);
}

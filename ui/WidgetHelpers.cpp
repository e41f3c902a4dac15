#include "ui/WidgetHelpers.h"

#include <QGuiApplication>
#include <QShortcut>

#include "platform/numformat.h"

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool wrap, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setWordWrap(wrap);
  label->setAlignment(alignment);
  return label;
}

QLabel* makeLabelAt(QWidget* parent, const char* name, const QString& text, int x, int y,
                    int width, int height) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  if (width > 0) {
    label->setWordWrap(true);
    label->setGeometry(x, y, width, height > 0 ? height : label->heightForWidth(width));
  } else {
    label->move(x, y);
    label->adjustSize();
  }
  return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QIcon& icon, Qt::FocusPolicy focus) {
  auto* button = new QPushButton(icon, caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setFocusPolicy(focus);
  button->setAutoDefault(false);
  return button;
}

QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& hint,
                            const QIcon& icon) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setAutoRaise(true);
  return button;
}

void addShortcut(QWidget* window, const QKeySequence& keys, const std::function<void()>& f) {
  QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window, f);
}

void addShortcut(QWidget* window, const QKeySequence& keys, QAbstractButton* button) {
  addShortcut(window, keys, [button] {
    if (button->isEnabled()) button->click();
  });
}

void showInFront(QWidget* window) {
  window->show();
  // The offscreen platform of the tests can not raise windows and would only complain.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    window->raise();
    window->activateWindow();
  }
}

QString formatNumber(long double value, int decimals, int precision) {
  return QString::fromStdString(platform::formatFixed(value, decimals, precision));
}

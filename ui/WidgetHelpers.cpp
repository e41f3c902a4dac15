#include "ui/WidgetHelpers.h"

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

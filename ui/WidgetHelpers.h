#pragma once

// The few ways the windows make their labels and buttons, shared so that every
// window names and places its controls alike.

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

// A label at a fixed place; long texts wrap when `wrap` is set.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool wrap = true, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A label at (x, y): as wide as its text, or wrapped to `width` and as high as that
// needs unless `height` is given.
QLabel* makeLabelAt(QWidget* parent, const char* name, const QString& text, int x, int y,
                    int width = -1, int height = -1);
// A push button that never becomes a dialog's default button.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QIcon& icon = QIcon(),
                        Qt::FocusPolicy focus = Qt::StrongFocus);

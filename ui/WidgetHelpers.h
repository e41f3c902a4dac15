#pragma once

// The few ways the windows make their controls, show themselves and take keys,
// shared so that every window names, places and answers alike.

#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QToolButton>
#include <functional>

class QDialog;
class QPlainTextEdit;
class QVBoxLayout;

// A label at a fixed place; long texts wrap when `wrap` is set.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool wrap = true, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A label at (x, y): as wide as its text, or wrapped to `width` and as high as that
// needs unless `height` is given.
QLabel* makeLabelAt(QWidget* parent, const char* name, const QString& text, int x, int y,
                    int width = -1, int height = -1);
// A new text for a label of makeLabelAt, fitted as that placed it.
void setLabelText(QLabel* label, const QString& text);
// A push button that never becomes a dialog's default button.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QIcon& icon = QIcon(),
                        Qt::FocusPolicy focus = Qt::StrongFocus);
// A tool-bar button: its glyph, the hint as tool tip.
QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& hint,
                            const QIcon& icon);

// A key for the whole window. Keys that stand for a button go through
// `addShortcut(window, keys, button)`: they do nothing while the button is disabled.
void addShortcut(QWidget* window, const QKeySequence& keys, const std::function<void()>& f);
void addShortcut(QWidget* window, const QKeySequence& keys, QAbstractButton* button);

// A dialog around a text: read-only with OK, or editable with OK and Cancel. Return
// and Tab belong to the text as a reader expects: Ctrl+Return confirms, Tab moves on
// when the text is editable, Escape cancels. The caller lays out what follows below
// the text in `layout`.
struct TextDialog {
  QDialog* dialog;
  QPlainTextEdit* text;
  QPushButton* ok;
  QVBoxLayout* layout;
};
TextDialog makeTextDialog(QWidget* parent, const char* name, const QString& title,
                          const QString& text, bool editable);

// Runs `retranslate` now and again whenever `widget` hears that the language changed:
// for texts that helpers give to a window's widgets.
void onLanguageChange(QWidget* widget, std::function<void()> retranslate);

// Shows a window and brings it to the front when it was already open behind another.
void showInFront(QWidget* window);

// Number text in the locale's form, with `decimals` decimals and `precision`
// significant digits.
QString formatNumber(long double value, int decimals, int precision);

#include "ui/WidgetHelpers.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

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

TextDialog makeTextDialog(QWidget* parent, const char* name, const QString& title,
                          const QString& text, bool editable) {
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QString::fromLatin1(name));
  dialog->setWindowTitle(title);
  auto* edit = new QPlainTextEdit(dialog);
  edit->setObjectName("MemoAufgabe");
  edit->setPlainText(text);
  edit->setReadOnly(!editable);
  edit->setTabChangesFocus(true);
  auto* buttons = new QDialogButtonBox(
      editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return),
                                   QKeySequence(Qt::CTRL | Qt::Key_Enter)})
    addShortcut(dialog, keys, ok);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(edit);
  layout->addWidget(buttons);
  return {dialog, edit, ok, layout};
}

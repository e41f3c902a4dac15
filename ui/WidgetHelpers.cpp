#include "ui/WidgetHelpers.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

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
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(width > 0);
  label->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
  // What setLabelText fits: the width, or the height unless it was given.
  label->setProperty("fitHeight", width > 0 && height <= 0);
  setLabelText(label, text);
  return label;
}

void setLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  if (!label->wordWrap())
    label->adjustSize();
  else if (label->property("fitHeight").toBool())
    label->resize(label->width(), label->heightForWidth(label->width()));
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

namespace {

class LanguageChangeFilter : public QObject {
 public:
  LanguageChangeFilter(QWidget* widget, std::function<void()> retranslate)
      : QObject(widget), retranslate_(std::move(retranslate)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) retranslate_();
    return false;
  }

 private:
  std::function<void()> retranslate_;
};

}  // namespace

void onLanguageChange(QWidget* widget, std::function<void()> retranslate) {
  retranslate();
  new LanguageChangeFilter(widget, std::move(retranslate));
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

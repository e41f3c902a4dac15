#pragma once

#include <QObject>
#include <QToolButton>
#include <memory>

class TFormMain;
class TFormHimmel;
class TFormVerlauf;

// The teaching views that show why a fix works: the sky view and the history. Both
// follow the main window's lesson from the start (the history records every
// determination, open or not) and are shown from two tool-bar buttons placed before
// the time control. Owned by the main window, as a child object.
class TeachingViews : public QObject {
  Q_OBJECT
 public:
  explicit TeachingViews(TFormMain& formMain);
  ~TeachingViews() override;

  TFormHimmel* formHimmel() const { return himmel_.get(); }
  TFormVerlauf* formVerlauf() const { return verlauf_.get(); }

  QToolButton* SpeedButtonHimmel;
  QToolButton* SpeedButtonVerlauf;

 public Q_SLOTS:
  void SpeedButtonHimmelClick();
  void SpeedButtonVerlaufClick();

 private:
  std::unique_ptr<TFormHimmel> himmel_;
  std::unique_ptr<TFormVerlauf> verlauf_;
};

TeachingViews* attachTeachingViews(TFormMain& formMain);

#pragma once
// A label: transparent, its caption wrapped at blanks like the platform's labels, or, with
// auto-size, one line that keeps the label's anchor (left, right or centre edge).
#include <QStringList>

#include "ControlView.h"

namespace rt::qt {

class LabelView final : public QWidget, public ControlView {
 public:
  LabelView(Control& control, QWidget* parent, const QFont& font, const QColor& textColor);
  QWidget& Widget() override { return *this; }
  void Sync(Property property) override;
  // What assistive technology reads: the caption as it stands.
  const QString& Caption() const { return caption_; }

  // The caption broken into lines no wider than the width: a line ends before the word that
  // would overflow it, the first blank there is consumed and any further blanks begin the
  // next line.
  static QStringList WrapAtBlanks(const QString& text, const QFontMetricsF& metrics, double width);

 protected:
  QRect Geometry() const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // A new caption, or a caption shown again, is announced: the move messages, the hit points,
  // the damage figures and the countdown are heard as they change.
  void AnnounceLater();

  QColor textColor_;
  QString caption_;
  QString announced_;  // the caption last announced
  bool shownAgain_ = false;
  bool announcing_ = false;
};

}  // namespace rt::qt

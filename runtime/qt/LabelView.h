#pragma once
// A label: transparent, its caption wrapped at blanks like the platform's labels, or, with
// auto-size, one line that keeps the label's anchor (left, right or centre edge). It is a
// QLabel to assistive technology, which reads its caption and the box it names.
#include <QLabel>
#include <QStringList>

#include "ControlView.h"

namespace rt::qt {

class LabelView final : public QLabel, public ControlView {
 public:
  LabelView(Control& control, QWidget* parent, const QFont& font, const QColor& textColor);
  QWidget& Widget() override { return *this; }
  void Sync(Property property) override;

  // The caption broken into lines no wider than the width: a line ends before the word that
  // would overflow it, the first blank there is consumed and any further blanks begin the
  // next line.
  static QStringList WrapAtBlanks(const QString& text, const QFontMetricsF& metrics, double width);

 protected:
  QRect Geometry() const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor textColor_;
};

}  // namespace rt::qt

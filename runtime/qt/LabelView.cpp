#include "LabelView.h"

#include <QPainter>
#include <QRegularExpression>

#include "Units.h"

namespace rt::qt {

LabelView::LabelView(Control& control, QWidget* parent, const QFont& font, const QColor& textColor)
    : QLabel(parent), ControlView(control), textColor_(textColor) {
  setFont(font);
  setTextFormat(Qt::PlainText);
  setText(QString::fromStdString(control.Caption()));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(Geometry());
  setVisible(control.Visible());
}

void LabelView::Sync(Property property) {
  if (property == Property::Caption) {
    setText(QString::fromStdString(control_.Caption()));
    if (control_.Look().autoSize) setGeometry(Geometry());
    return;
  }
  ControlView::Sync(property);
}

QRect LabelView::Geometry() const {
  const QRect box = ControlView::Geometry();
  if (!control_.Look().autoSize) return box;
  const QFontMetricsF metrics(font());
  const int width = qCeil(metrics.horizontalAdvance(QString::fromStdString(control_.Caption())));
  const int height = qCeil(metrics.height());
  switch (control_.Look().alignment) {
    case Alignment::Left: return {box.left(), box.top(), width, height};
    case Alignment::Right: return {box.left() + box.width() - width, box.top(), width, height};
    case Alignment::Center: return {box.left() + (box.width() - width) / 2, box.top(), width, height};
  }
  return box;
}

QStringList LabelView::WrapAtBlanks(const QString& text, const QFontMetricsF& metrics, double width) {
  // Widths are whole pixels on screen: a fraction of a pixel over still fits.
  const double room = width + 0.5;
  if (metrics.horizontalAdvance(text) <= room) return {text};  // most captions: measured once
  static const QRegularExpression tokens(QStringLiteral("( +|[^ ]+)"));
  QStringList lines;
  QString line;
  QString pendingBlanks;  // blanks seen after the line's last word, not yet placed
  for (const auto& match : tokens.globalMatch(text)) {
    const QString token = match.captured(0);
    if (token.startsWith(QLatin1Char(' '))) {
      pendingBlanks += token;
      continue;
    }
    const QString candidate = line + pendingBlanks + token;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > room) {
      lines << line;
      line = pendingBlanks.mid(1) + token;
    } else {
      line = candidate;
    }
    pendingBlanks.clear();
  }
  line += pendingBlanks;
  if (!line.isEmpty() || lines.isEmpty()) lines << line;
  return lines;
}

void LabelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(isEnabled() ? textColor_ : palette().color(QPalette::Disabled, QPalette::WindowText));
  const QFontMetricsF metrics(font());
  const QString caption = text();
  const QStringList lines = control_.Look().autoSize ? QStringList{caption} : WrapAtBlanks(caption, metrics, width());
  double y = metrics.ascent();
  const Alignment alignment = control_.Look().alignment;
  for (const QString& line : lines) {
    double x = 0;
    if (alignment != Alignment::Left) {
      const double room = width() - metrics.horizontalAdvance(line);
      x = alignment == Alignment::Right ? room : room / 2;
    }
    painter.drawText(QPointF(x, y), line);
    y += metrics.height();
  }
}

}  // namespace rt::qt

#include "FormView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ButtonView.h"
#include "FrameView.h"
#include "ImageView.h"
#include "LabelView.h"
#include "ListBoxView.h"
#include "Runtime.h"
#include "ShapeView.h"
#include "Stacking.h"
#include "TabOrder.h"
#include "TextBoxView.h"
#include "Units.h"

namespace rt::qt {
namespace {

Qt::WindowFlags FlagsFor(const WindowDesign& look) {
  Qt::WindowFlags flags = look.border == BorderStyle::FixedToolWindow ? Qt::Tool : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (look.minButton) flags |= Qt::WindowMinimizeButtonHint;
  if (look.maxButton) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

}  // namespace

FormView::FormView(Window& window)
    : QWidget(nullptr, FlagsFor(window.Look())),
      window_(window),
      role_(window.Look().role == WindowRole::Dialog ? QAccessible::Dialog : QAccessible::Window) {
  const WindowDesign& look = window.Look();
  setFont(DefaultFont());
  setWindowTitle(QString::fromStdString(look.caption));
  setFixedSize(Pixels(look.clientWidth), Pixels(look.clientHeight));
  if (look.backColor) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(*look.backColor));
    setPalette(colours);
    setAutoFillBackground(true);
  }
  CreateViews();
  Stack();
  ChainTabOrder();
  TieLabelsToTheirBoxes();
  ApplyCover();
  ApplyOuterHeight();
}

ControlView* FormView::ViewOf(const Control& control) const {
  const auto found = views_.find(&control);
  return found == views_.end() ? nullptr : found->second;
}

Control* FormView::ControlOf(const QWidget* widget) const {
  for (const auto& [control, view] : views_) {
    if (&view->Widget() == widget) return &view->Model();
  }
  return nullptr;
}

void FormView::ApplyCover() {
  for (const auto& [control, view] : views_) view->SetCovered(window_.Covered(*control));
}

void FormView::Sync(Control& control, Property property) {
  if (ControlView* view = ViewOf(control)) view->Sync(property);
}

void FormView::Rename(Control& control) {
  if (ControlView* view = ViewOf(control)) {
    view->Widget().setAccessibleName(QString::fromStdString(control.AccessibleName()));
  }
}

void FormView::Announce(Control& announcer, const QString& text) {
  const auto found = announcers_.find(&announcer);
  if (found != announcers_.end()) found->second->Announce(text);
}

void FormView::CreateViews() {
  const QColor defaultText =
      window_.Look().foreColor ? ToQColor(*window_.Look().foreColor) : palette().color(QPalette::WindowText);
  // Frames first, so that the controls they hold find their parent.
  for (const bool frames : {true, false}) {
    for (const auto& owned : window_.Controls()) {
      Control& control = *owned;
      if ((control.Kind() == ControlKind::Frame) != frames || control.Kind() == ControlKind::Timer) continue;
      QWidget* parent = control.Container() ? &ViewOf(*control.Container())->Widget() : this;
      const QFont font = ToQFont(control.Look().font, QWidget::font());
      const QColor text = control.Look().foreColor ? ToQColor(*control.Look().foreColor) : defaultText;
      ControlView* view = nullptr;
      switch (control.Kind()) {
        case ControlKind::Label: view = new LabelView(control, parent, font, text); break;
        case ControlKind::TextBox: view = new TextBoxView(control, parent, font); break;
        case ControlKind::ListBox: view = new ListBoxView(control, parent, font); break;
        case ControlKind::CommandButton: view = new ButtonView(control, parent, font); break;
        case ControlKind::Frame: view = new FrameView(control, parent, font, text); break;
        case ControlKind::Image: view = new ImageView(control, parent); break;
        case ControlKind::Shape: view = new ShapeView(control, parent); break;
        case ControlKind::Timer: break;
      }
      view->Widget().setObjectName(QString::fromStdString(control.TraceName()));
      views_[&control] = view;
      if (!control.AccessibleName().empty()) Rename(control);
      if (control.Look().role == Role::Announcer) announcers_[&control] = new AnnouncerView(parent);
    }
  }
}

void FormView::Stack() {
  for (Control* control : BackToFront(window_)) ViewOf(*control)->Widget().raise();
}

void FormView::ChainTabOrder() {
  QWidget* previous = nullptr;
  for (Control* control : TabOrder(window_)) {
    QWidget* widget = &ViewOf(*control)->Widget();
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

void FormView::TieLabelsToTheirBoxes() {
  for (const auto& control : window_.Controls()) {
    const Control* box = control->Look().labelFor;
    if (!box || control->Kind() != ControlKind::Label) continue;
    static_cast<LabelView&>(*ViewOf(*control)).setBuddy(&ViewOf(*box)->Widget());
  }
}

void FormView::ApplyOuterHeight() {
  const auto outer = window_.OuterHeight();
  if (!outer) return;
  // This window manager's own title bar must not change how much of the window shows.
  setFixedHeight(ClientPixelsOfOuterHeight(*outer));
}

void FormView::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormView::Dispose() {
  disposed_ = true;
  for (auto& [control, view] : views_) view->Detach();
  views_.clear();
  announcers_.clear();
  hide();
}

void FormView::closeEvent(QCloseEvent* event) {
  if (disposed_) {
    event->accept();
    return;
  }
  // Closing by the title bar is the program's decision, not the toolkit's.
  event->ignore();
  window_.Runtime().UserClose(window_);
}

void FormView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && window_.Runtime().UserPressedEscape(window_)) return;
  QWidget::keyPressEvent(event);
}

}  // namespace rt::qt

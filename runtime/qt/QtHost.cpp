#include "QtHost.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include "Accessibility.h"

namespace rt::qt {

QtHost::QtHost(Runtime& runtime, const QString& programName)
    : runtime_(runtime), nextTick_(this), messageBox_(QMessageBox::Warning, programName, {}, QMessageBox::Ok) {
  // One precise single-shot timer, set for the next due tick: the runtime's schedule keeps
  // every timer on its own interval, so ticks do not drift.
  nextTick_.setSingleShot(true);
  nextTick_.setTimerType(Qt::PreciseTimer);
  connect(&nextTick_, &QTimer::timeout, this, [this] { runtime_.FireDueTimers(); });
  connect(&messageBox_, &QDialog::finished, this, [this] { runtime_.MessageClosed(); });
  // Orca reads a message box's text as it opens only if the text cannot take the focus, which
  // Qt 6.11 gives it for selecting with the mouse.
  messageBox_.setTextInteractionFlags(Qt::NoTextInteraction);
  runtime_.SetObserver(this);
  // A desktop catches up after a busy moment, but not after a suspend.
  runtime_.SetLateTicks(LateTicks::CatchUpShortStalls);
  QAccessible::installFactory(AccessibleControl);
  // The runtime follows the focus the user moves.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (applyingCover_ || !now) return;
    for (const auto& [window, form] : forms_) {
      if (Control* control = form->ControlOf(now)) return runtime_.UserFocused(*control);
    }
  });
  const QLocale locale;
  runtime_.SetNumberFormat(NumberFormatOf(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()));
}

QtHost::~QtHost() {
  QAccessible::removeFactory(AccessibleControl);
  runtime_.SetObserver(nullptr);
  messageBox_.setParent(nullptr);  // the host owns it, not the window it was last shown over
  for (auto& [window, form] : forms_) delete form;
  for (FormView* form : retired_) delete form;
}

FormView* QtHost::ViewOf(const Window& window) const {
  const auto found = forms_.find(&window);
  return found == forms_.end() ? nullptr : found->second;
}

void QtHost::WindowShown(Window& window) {
  FormView* form = ViewOf(window);
  if (!form) {
    form = new FormView(window);
    forms_[&window] = form;
    form->CentreOnScreen();
  }
  form->show();
  form->raise();
  form->activateWindow();
}

void QtHost::WindowHeightChanged(Window& window) {
  if (FormView* form = ViewOf(window)) form->ApplyOuterHeight();
}

void QtHost::WindowUnloaded(Window& window) {
  const auto found = forms_.find(&window);
  if (found == forms_.end()) return;
  found->second->Dispose();
  retired_.push_back(found->second);
  forms_.erase(found);
}

void QtHost::PropertyChanged(Control& control, Property property) {
  if (FormView* form = ViewOf(control.Owner())) form->Sync(control, property);
}

void QtHost::TimersChanged() {
  if (const auto wait = runtime_.MillisecondsToNextTick()) {
    nextTick_.start(*wait);
  } else {
    nextTick_.stop();
  }
}

void QtHost::FocusRequested(Control& control, FocusWay way) {
  FormView* form = ViewOf(control.Owner());
  ControlView* view = form ? form->ViewOf(control) : nullptr;
  if (!view) return;
  // A window's first focus comes as Tab brings it: a text box selects its text once the focus
  // has been announced.
  view->Widget().setFocus(way == FocusWay::FirstOfWindow ? Qt::TabFocusReason : Qt::OtherFocusReason);
  auto* edit = dynamic_cast<QLineEdit*>(&view->Widget());
  if (edit && SelectsText(way)) edit->selectAll();
}

// A desktop window's caption is its title bar, which the window manager draws and a screen
// reader says as the window takes the focus: the window itself draws both places alike.
void QtHost::WindowFocused(Window& window, WindowFocus) {
  if (FormView* form = ViewOf(window)) form->setFocus(Qt::OtherFocusReason);
}

void QtHost::CoverChanged(Window& window) {
  FormView* form = ViewOf(window);
  if (!form) return;
  applyingCover_ = true;
  form->ApplyCover();
  applyingCover_ = false;
}

bool QtHost::MessageShown(Window& over, const std::string& text) {
  FormView* form = ViewOf(over);
  messageBox_.setParent(form ? form : QApplication::activeWindow(), messageBox_.windowFlags());  // shown over it
  messageBox_.setText(QString::fromStdString(text));
  // Shown without a loop of its own, so that the program goes on in one order on every
  // backend: the runtime hears that the box has closed from the event loop.
  messageBox_.setWindowModality(Qt::ApplicationModal);
  messageBox_.show();
  return true;
}

void QtHost::AccessibleNameChanged(Control& control) {
  if (FormView* form = ViewOf(control.Owner())) form->Rename(control);
}

void QtHost::Announced(Control& announcer, const std::string& text) {
  if (FormView* form = ViewOf(announcer.Owner())) form->Announce(announcer, QString::fromStdString(text));
}

void QtHost::Ended() {
  nextTick_.stop();
  // While a screen reader listens, Qt holds every key event until the reader has seen it,
  // for at most 100 ms; quitting sooner would drop the last ones unanswered.
  constexpr int kKeyRoundTripMs = 250;
  QTimer::singleShot(QAccessible::isActive() ? kKeyRoundTripMs : 0, QApplication::instance(), &QCoreApplication::quit);
}

}  // namespace rt::qt

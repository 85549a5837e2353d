#pragma once
// The Qt side of one window: a fixed-size top-level widget holding a view of every control.
#include <QAccessible>
#include <QWidget>
#include <map>
#include <memory>

#include "AnnouncerView.h"
#include "ControlView.h"
#include "Window.h"

namespace rt::qt {

class FormView final : public QWidget {
 public:
  explicit FormView(Window& window);
  ControlView* ViewOf(const Control& control) const;
  // The control whose view holds the widget, if any.
  Control* ControlOf(const QWidget* widget) const;
  void Sync(Control& control, Property property);
  void ApplyCover();
  void Rename(Control& control);
  void Announce(Control& announcer, const QString& text);
  QAccessible::Role AccessibleRole() const { return role_; }
  void ApplyOuterHeight();
  void CentreOnScreen();
  // The window was unloaded: no more input reaches it, and the widget is hidden. Its owner
  // deletes it when the program ends: a screen reader may still hold key events for it.
  void Dispose();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateViews();
  void Stack();
  void ChainTabOrder();
  void TieLabelsToTheirBoxes();

  Window& window_;
  QAccessible::Role role_;
  std::map<const Control*, ControlView*> views_;  // owned by Qt's parent-child tree
  std::map<const Control*, AnnouncerView*> announcers_;
  bool disposed_ = false;
};

}  // namespace rt::qt

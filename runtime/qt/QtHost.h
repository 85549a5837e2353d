#pragma once
// Shows the runtime's windows with Qt widgets and drives its timers from Qt's event loop.
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <map>
#include <vector>

#include "FormView.h"
#include "Runtime.h"

namespace rt::qt {

class QtHost final : public QObject, public RuntimeObserver {
 public:
  // Message boxes carry the program's name as their title.
  QtHost(Runtime& runtime, const QString& programName);
  ~QtHost() override;

  FormView* ViewOf(const Window& window) const;

  void WindowShown(Window& window) override;
  void WindowHeightChanged(Window& window) override;
  void WindowUnloaded(Window& window) override;
  void PropertyChanged(Control& control, Property property) override;
  void TimersChanged() override;
  void FocusRequested(Control& control, FocusWay way) override;
  void WindowFocused(Window& window, WindowFocus focus) override;
  void CoverChanged(Window& window) override;
  bool MessageShown(Window& over, const std::string& text) override;
  void AccessibleNameChanged(Control& control) override;
  void Announced(Control& announcer, const std::string& text) override;
  void Ended() override;

 private:
  Runtime& runtime_;
  QTimer nextTick_;
  // One box for every message, alive as long as the host: a screen reader may still hold a
  // key event for it when it closes.
  QMessageBox messageBox_;
  std::map<const Window*, FormView*> forms_;
  std::vector<FormView*> retired_;  // the views of unloaded windows
  // While covered widgets are hidden, Qt moves the focus on by itself; the runtime decides.
  bool applyingCover_ = false;
};

}  // namespace rt::qt

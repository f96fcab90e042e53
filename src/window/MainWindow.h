#pragma once

#include <QMainWindow>

#include "window/Controls.h"
#include "window/EventTable.h"
#include "window/Session.h"
#include "window/WindowContext.h"

namespace rotulano::window {

// The main window CP21000: its controls, the shared records of its handlers and the event
// table that routes the controls' events to them. Showing the window raises its opened
// event once; closing it, by any way, raises its closed event once.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(MessageBoxService& messageBox, FileDialogService& fileDialog,
               core::Platform& platform, QWidget* parent = nullptr);

    Controls& controls() { return controls_; }
    Session& session() { return session_; }
    WindowContext& context() { return context_; }
    EventTable& events() { return events_; }

    // Raises the opened event unless it was raised already (show() calls it). When a fatal
    // report asked the window to close, the close follows from the event loop.
    void openForm();

    // Takes the window's size and place from `file` and keeps them there when the window
    // closes. Without it the window opens at its design size and keeps nothing.
    void rememberGeometryIn(const QString& file);

    bool formOpened() const { return opened_; }
    bool formClosed() const { return closed_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Controls controls_;
    Session session_;
    WindowContext context_;
    EventTable events_;
    QString geometryFile_;
    bool opened_ = false;
    bool closed_ = false;
};

}  // namespace rotulano::window

#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "window/WindowContext.h"

namespace rotulano::window {

// The events of the form that a handler can be wired to.
enum class FormEvent {
    Opened,            // CP21000 opened
    Closed,            // CP21000 closed
    TextChanged,       // a display field's text was set
    Click,             // button, check box, menu item, tab strip or grid cell clicked
    PageChanged,       // TB-OPERA's current page was set
    SelectionChanged,  // a list's selection was set
    ValueChanged,      // a numeric field's value changed
    EditingFinished,   // a numeric field's second change notification: an edit changed it
    SpaceKey,          // Space pressed in the grid
};

// One row of the event table: the control (by design name), the event, the handler's name
// and the handler.
struct EventBinding {
    const char* control;
    FormEvent event;
    const char* handlerName;
    void (*handler)(WindowContext&);
};

// The event table of CP21000: routes each wired (control, event) pair to exactly one
// handler. Every connection is direct, so that a change made by a handler (a list's
// selection, a field's text, a page) runs the handler wired to it at once, before the
// first handler goes on.
class EventTable {
  public:
    explicit EventTable(WindowContext& context);

    // Every row of the table, in the order of the form's event list.
    static const std::vector<EventBinding>& bindings();

    // The event's name as the table lists it ("opened", "selection changed", ...).
    static QString eventName(FormEvent event);

    // Connects the controls' signals to the table.
    void connectControls();

    // Runs the handler wired to (control, event); false when that pair is not wired.
    // When the outermost handler returns and a fatal report asked the window to close,
    // the close follows from the event loop.
    bool raise(const QString& control, FormEvent event);

    // Called with each row of the table just before its handler runs (for tracing).
    void setObserver(std::function<void(const EventBinding&)> observer) {
        observer_ = std::move(observer);
    }

  private:
    void connectControl(QObject* control, const EventBinding& binding);
    void closeIfRequested();

    WindowContext& context_;
    std::function<void(const EventBinding&)> observer_;
    int depth_ = 0;
    bool closeScheduled_ = false;
};

}  // namespace rotulano::window

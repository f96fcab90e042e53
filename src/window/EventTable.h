#pragma once

#include <QString>
#include <functional>
#include <variant>
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

// The cell a click on the grid hit, counted from 1 (row 0 is the heading row), and
// whether Shift was held.
struct CellClick {
    int row = 0;
    int column = 0;
    bool extendsRange = false;
};

// A handler takes the context, and for a click on the grid the cell clicked.
using ContextHandler = void (*)(WindowContext&);
using CellHandler = void (*)(WindowContext&, int row, int column, bool extendsRange);

// One row of the event table: the control (by design name), the event, the handler's name
// and the handler.
struct EventBinding {
    const char* control;
    FormEvent event;
    const char* handlerName;
    std::variant<ContextHandler, CellHandler> handler;
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

    // Runs the handler wired to (control, event), with the cell of a click on the grid;
    // false when that pair is not wired. When the outermost handler returns and a fatal
    // report asked the window to close, the close follows from the event loop.
    bool raise(const QString& control, FormEvent event, const CellClick& cell = CellClick());

    // Called with each row of the table just before its handler runs (for tracing).
    void setObserver(std::function<void(const EventBinding&)> observer) {
        observer_ = std::move(observer);
    }

  private:
    void connectControl(QObject* control, const EventBinding& binding);
    void run(const EventBinding& binding, const CellClick& cell);
    void closeIfRequested();

    WindowContext& context_;
    std::function<void(const EventBinding&)> observer_;
    int depth_ = 0;
    bool closeScheduled_ = false;
};

}  // namespace rotulano::window

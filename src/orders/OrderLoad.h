#pragma once

#include <string>
#include <vector>

#include "core/FileStatus.h"
#include "core/MessageRequest.h"
#include "orders/OrderHeaderView.h"

namespace rotulano::orders {

// How the reading of an order file ended.
enum class LoadOutcome {
    Loaded,      // every line read; no message
    OpenFailed,  // the file could not be opened: report `status`, nothing loaded
    ReadFailed,  // a read failed other than at the end of the file: report `status`
    Message,     // a check stopped the load, or the order has no items: show `message`
};

// What the reading of an order file yields for the window: the header (when it passed
// its checks), the item lines in file order, each exactly 300 bytes as read, and how the
// reading ended. After a message or a failed read, `items` holds the lines that came
// before the point of failure.
struct OrderLoad {
    LoadOutcome outcome = LoadOutcome::Loaded;
    core::FileStatus status = core::kStatusOk;
    core::MessageRequest message;  // type 0 and blank title: the message box defaults
    bool headerShown = false;
    OrderHeaderView header;
    std::vector<std::string> items;
};

}  // namespace rotulano::orders

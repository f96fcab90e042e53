#pragma once

#include <QString>

#include "core/FileStatus.h"
#include "core/MessageRequest.h"
#include "window/MessageBoxService.h"

namespace rotulano::window {

// ROTINA-MSG: shows `message` (default style information, default title "Mensagem do
// Sistema"; trailing blanks are not shown) and returns the operator's answer.
int rotinaMsg(MessageBoxService& box, const core::MessageRequest& message);
int rotinaMsg(MessageBoxService& box, const QString& text, const QString& title = QString(),
              int style = 0);

// ROTINA-STATUS: shows the status frame "Status [xx] " + `fileLabel` with the meaning of
// `status` as title and the error style, unless the caller gives a title or style of its
// own.
void rotinaStatus(MessageBoxService& box, const core::FileStatus& status, const QString& fileLabel,
                  const QString& title = QString(), int style = 0);

}  // namespace rotulano::window

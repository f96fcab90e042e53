#pragma once

#include <QString>
#include <string>

#include "core/FileStatus.h"
#include "core/MessageRequest.h"
#include "window/MessageBoxService.h"

namespace rotulano::window {

// The parameter file CD21PRM.DAT as a status report names it.
inline constexpr const char* kParameterFileLabel = "Arquivo de parâmetros";

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

// ROTINA-STATUS for a file the program names: the status frame and its title as above,
// then a second line naming the file (its whole path) and `cause` in plain words, then
// `advice` when given. The title alone cannot say it: it is cut at 50 characters, and the
// status of a refused permission reads "Função especificada não é suportada".
void rotinaStatusFile(MessageBoxService& box, const core::FileStatus& status,
                      const QString& fileLabel, const std::string& path, const std::string& cause,
                      const QString& advice = QString());

// A file name as messages show it: the whole path (a relative name is taken from the
// working folder), with control bytes and bytes that are not UTF-8 shown as \xHH.
QString shownPath(const std::string& path);

// A fault of the parameter file at start-up, said once with what to do: the program ends
// after it. `creating` when the file was missing and could not be made.
void reportStartUpSettingsFault(MessageBoxService& box, const core::FileStatus& status,
                                const std::string& path, bool creating);

// Settings changed and not saved, as the operator leaves them: what to do, in the
// interface language. Closing the box stays.
enum class UnsavedChoice { Save, Discard, Stay };
UnsavedChoice askAboutUnsavedSettings(MessageBoxService& box, bool portuguese);

}  // namespace rotulano::window

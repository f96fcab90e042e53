#pragma once

#include <QString>
#include <cstdint>

namespace rotulano::core {

// Message-box styles in the Windows encoding: an icon plus the single OK button.
constexpr std::int32_t kStyleError = 0x10;
constexpr std::int32_t kStyleWarning = 0x30;
constexpr std::int32_t kStyleInformation = 0x40;
constexpr std::int32_t kAnswerOk = 1;
// Style 4 (added to an icon style) asks Yes or No; the answer is 6 (Yes) or 7 (No).
constexpr std::int32_t kStyleYesNo = 0x04;
constexpr std::int32_t kStyleQuestion = 0x20;
constexpr std::int32_t kAnswerYes = 6;
constexpr std::int32_t kAnswerNo = 7;

// A message box to show: its style, title and text, as the message routines take it.
// A blank title or text (nothing but spaces) means "none"; trailing blanks are not shown.
struct MessageRequest {
    std::int32_t type = 0;
    QString title;
    QString text;
};

}  // namespace rotulano::core

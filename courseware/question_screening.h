// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every question of a set is read before the set is put in use, so that a
// question the parser refuses is reported with its line and reason when the
// set is loaded, not met by a pupil later on an empty page.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courseware/question_set.h"

namespace talvoren {

struct RefusedQuestion {
    int line = 0;  // 1-based line of the set's text
    std::string text;
    std::string why;  // refusalPhrase
    int parseError = 0;
};

// The messages the parser showed and its reason, as one phrase:
// "moji：文字（x など）がありません", "符号（+ や -）の後に項がありません（4文字目）".
// The blank warning, which refuses nothing, is left out.
std::string refusalPhrase(std::string_view question, const std::vector<std::string>& shown,
                          const std::string& reason, int position);

// The first question of the unit tables, units and questions in order, that
// the parser refuses; nothing is shown. Questions of a unit left without its
// ">>" are read too, since its first question may still be put on the page.
std::optional<RefusedQuestion> firstRefusedQuestion(const CoursewareState& s);

// "（TEXT：WHY）", added to a refusal's message to name the question.
std::string refusedQuestionNote(const RefusedQuestion& q);

}  // namespace talvoren

// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/question_screening.h"

#include "core/question_parser.h"
#include "core/question_refusal.h"
#include "solving/silent_session.h"

namespace talvoren {

std::string refusalPhrase(std::string_view question, const std::vector<std::string>& shown,
                          const std::string& reason, int position) {
    std::string phrase;
    for (const std::string& message : shown) {
        if (message == "空白があります" || message == reason) continue;
        phrase += (phrase.empty() ? "" : "／") + message;
    }
    const std::string described = refusalDescription(question, reason, position);
    if (described.empty()) return phrase;
    return phrase.empty() ? described : phrase + "：" + described;
}

std::optional<RefusedQuestion> firstRefusedQuestion(const CoursewareState& s) {
    for (int u = 1; u <= s.unitCount(); ++u) {
        for (int q = 1; q <= maxUnitQuestions && !s.unitQuestions()[u][q].empty(); ++q) {
            const std::string& text = s.unitQuestions()[u][q];
            const ScratchQuestion parsed = parseScratchQuestion(text);
            if (parsed.accepted) continue;
            return RefusedQuestion{s.unitQuestionLine()[u][q], text,
                                   refusalPhrase(text, noticeTexts(parsed.notices), parsed.refusalReason,
                                                 parsed.refusalPosition),
                                   parsed.parseError};
        }
    }
    return std::nullopt;
}

std::string refusedQuestionNote(const RefusedQuestion& q) { return "（" + q.text + "：" + q.why + "）"; }

}  // namespace talvoren

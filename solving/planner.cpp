// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner.h"

#include "core/question_parser.h"
#include "solving/worksheet.h"

namespace talvoren {

namespace {

class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&) override {}
    Answer ask(const std::string&, const std::string&, Buttons, Icon) override { return Answer::yes; }
};

}  // namespace

Plan planFromLine(const CoreState&, int, int, int, const PlanBudget&) { return {}; }

Plan planFromLine(const Worksheet& ws, int line, const PlanBudget& budget) {
    return planFromLine(ws.core, ws.lineCount, line, ws.lineCapacity, budget);
}

std::optional<Plan> planQuestion(std::string_view text, int capacity, MessageSink* parseMessages,
                                 const PlanBudget& budget) {
    SilentSink silent;
    CoreState scratch(parseMessages ? *parseMessages : silent);
    if (!parseQuestion(scratch, 1, text)) return std::nullopt;
    return planFromLine(scratch, 1, 1, capacity, budget);
}

}  // namespace talvoren

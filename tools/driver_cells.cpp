// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's expression commands: cells, entry and transform.

#include <functional>
#include <map>

#include "core/cells.h"
#include "core/entry_parser.h"
#include "core/question_parser.h"
#include "core/question_refusal.h"
#include "core/transform.h"
#include "tools/driver.h"
#include "tools/driver_transcript.h"

namespace talvoren::driver {

namespace {

const char* boolText(bool b) { return b ? "true" : "false"; }

void printCells(std::ostream& out, const ExprLine& line) {
    out << "cells:";
    if (line.cellCount > 0) out << ' ' << lineCellsText(line);
    out << '\n';
}

// One fresh session of the expression layer whose messages go to `out`.
struct Session {
    explicit Session(std::ostream& out) : sink(out, replies) {}
    ReplyQueue replies;
    TranscriptSink sink;
    ExprTables core;
    // Prints what the last call left to say.
    void showSaid() { showNotices(sink, core.notices); }
};

constexpr int questionLine = 1;
constexpr int secondLine = 2;

using Transformation = std::function<TransformResult(ExprTables&, const ExprCell& padCell)>;

struct Operation {
    enum class Arg { none, pad, question } arg;
    Transformation run;
};

const std::map<std::string, Operation>& operations() {
    using Arg = Operation::Arg;
    static const std::map<std::string, Operation> table = {
        {"collect", {Arg::none, [](ExprTables& s, const ExprCell&) {
             return collectTerms(s, questionLine, secondLine); }}},
        {"add", {Arg::pad, [](ExprTables& s, const ExprCell& c) {
             return addToBothSides(s, questionLine, '+', c, secondLine); }}},
        {"sub", {Arg::pad, [](ExprTables& s, const ExprCell& c) {
             return addToBothSides(s, questionLine, '-', c, secondLine); }}},
        {"mul", {Arg::pad, [](ExprTables& s, const ExprCell& c) {
             return scaleBothSides(s, questionLine, '*', c, secondLine); }}},
        {"div", {Arg::pad, [](ExprTables& s, const ExprCell& c) {
             return scaleBothSides(s, questionLine, '/', c, secondLine); }}},
        {"transpose", {Arg::none, [](ExprTables& s, const ExprCell&) {
             return transposeTerms(s, questionLine, secondLine); }}},
        {"brackets", {Arg::none, [](ExprTables& s, const ExprCell&) {
             return removeBrackets(s, questionLine, secondLine); }}},
        {"addlines", {Arg::question, [](ExprTables& s, const ExprCell&) {
             return addLines(s, questionLine, secondLine, 3); }}},
        {"sublines", {Arg::question, [](ExprTables& s, const ExprCell&) {
             return subtractLines(s, questionLine, secondLine, 3); }}},
    };
    return table;
}

}  // namespace

int cmdCells(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "cells: one question text expected\n";
        return 2;
    }
    Session session(out);
    ExprTables& s = session.core;
    const bool ok = parseQuestion(s, questionLine, args[0]);
    session.showSaid();
    out << "result: " << boolText(ok) << '\n'
        << "parseError: " << s.parseError << '\n'
        << "unknownLetter: " << s.unknownLetter << '\n'
        << "hasDecimalPoint: " << boolText(s.hasDecimalPoint) << '\n';
    printCells(out, s.lines[questionLine]);
    if (!ok) out << "reason: " << refusalDescription(args[0], s.refusalReason, s.refusalPosition) << '\n';
    return 0;
}

int cmdEntry(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1].size() != 1)) {
        err << "entry: a pad text and at most one letter expected\n";
        return 2;
    }
    Session session(out);
    session.core.unknownLetter = args.size() == 2 ? args[1][0] : 'x';
    const ExprCell cell = parseEntry(session.core, args[0]);
    session.showSaid();  // its messages come first
    out << "cell: " << cellText(cell) << '\n';
    return 0;
}

int cmdTransform(const Args& args, std::ostream& out, std::ostream& err) {
    const auto op = args.empty() ? operations().end() : operations().find(args[0]);
    if (op == operations().end() || args.size() < 2 || args.size() > 3) {
        err << "transform: an operation and a question text expected\n";
        return 2;
    }
    const Operation& operation = op->second;
    const bool hasArg = args.size() == 3;
    if ((operation.arg == Operation::Arg::none && hasArg) ||
        (operation.arg == Operation::Arg::question && !hasArg)) {
        err << "transform " << args[0] << ": wrong argument\n";
        return 2;
    }
    Session session(out);
    ExprTables& s = session.core;
    const bool parsed = parseQuestion(s, questionLine, args[1]);
    session.showSaid();
    if (!parsed) {
        out << "result: false\n";
        return 0;
    }
    ExprCell padCell = ZERO;
    if (operation.arg == Operation::Arg::pad) {
        padCell = parseEntry(s, hasArg ? args[2] : "");
        session.showSaid();
        if (padCell.den == 0) {  // the entry was refused
            out << "result: false\n";
            return 0;
        }
    } else if (operation.arg == Operation::Arg::question) {
        // The second line is another question's; the page's letter stays.
        const char letter = s.unknownLetter;
        const bool ok = parseQuestion(s, secondLine, args[2]);
        session.showSaid();
        s.unknownLetter = letter;
        if (!ok) {
            out << "result: false\n";
            return 0;
        }
    }
    const int target = operation.arg == Operation::Arg::question ? 3 : secondLine;
    const TransformResult result = operation.run(s, padCell);
    session.showSaid();
    if (result.refused()) session.sink.showMessage(refusalMessage(result.refusal));
    out << "result: " << boolText(result.value) << '\n';
    printCells(out, s.lines[static_cast<std::size_t>(target)]);
    return 0;
}

}  // namespace talvoren::driver

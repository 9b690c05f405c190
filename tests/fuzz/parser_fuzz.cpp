// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz entry point for the question parser and the number entry. The input is
// taken as code-page-932 bytes (the form questions have on disk); a question
// that parses is also put through every line transformation. Any broken
// invariant traps, so the fuzzer and the corpus replay both report it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/entry_parser.h"
#include "core/question_parser.h"
#include "core/sjis.h"
#include "core/transform.h"

namespace {

using namespace talvoren;

class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&) override {}
    Answer ask(const std::string&, const std::string&, Buttons, Icon) override {
        return Answer::ok;
    }
};

void require(bool condition) {
    if (!condition) __builtin_trap();
}

void checkLine(const ExprLine& line) { require(line.cellCount >= 0 && line.cellCount <= maxCells); }

void checkQuestion(const ExprLine& line) {
    checkLine(line);
    int relations = 0;
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        if (isRelation(c.kind)) ++relations;
        if (c.kind == CellKind::constant || isLetter(c.kind)) require(c.den > 0);
    }
    require(relations == 1);
}

void transformAll(CoreState& s) {
    const ExprCell three{1, 3, CellKind::constant};
    const ExprCell minusHalf{2, -1, CellKind::constant};
    collectTerms(s, 1, 2);
    checkLine(s.lines[2]);
    addToBothSides(s, 1, '-', three, 2);
    checkLine(s.lines[2]);
    scaleBothSides(s, 1, '*', minusHalf, 2);
    checkLine(s.lines[2]);
    scaleBothSides(s, 1, '/', minusHalf, 2);
    checkLine(s.lines[2]);
    transposeTerms(s, 1, 2);
    checkLine(s.lines[2]);
    for (int level = 0; level < 16 && removeBrackets(s, 1, 2).value; ++level) {
        checkLine(s.lines[2]);
        s.lines[1] = s.lines[2];
    }
    addLines(s, 1, 1, 3);
    checkLine(s.lines[3]);
    subtractLines(s, 1, 1, 3);
    checkLine(s.lines[3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = sjis::fromCp932(bytes).value_or(bytes);
    SilentSink sink;
    CoreState s(sink);
    if (parseQuestion(s, 1, text)) {
        checkQuestion(s.lines[1]);
        transformAll(s);
    } else {
        checkLine(s.lines[1]);
    }
    s.unknownLetter = 'x';
    const ExprCell entry = parseEntry(s, text);
    require(entry.den >= 0);
    return 0;
}

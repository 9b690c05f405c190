// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the worksheet, driven through the driver's `play` session:
// the first byte chooses a question, every further byte is one command (a
// click on any control, a key, a character, a reply, a new question, a
// screen width). After each command the target asks for `state` and reads
// the transcript. Invariants: the state stays within its bounds and among
// the step machine's named states; every drawn line has at most 30 cells,
// exactly one relation and positive denominators; no message is the text of
// an internal error; the play never ends with a fatal error.

#include <array>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "tools/driver_player.h"

namespace {

using talvoren::fuzz::require;

const std::array questions = {
    "2x+3<5",      "-2x+1<5",   "3(x-2)>=2x", "x+1<x+3",        "x+3<x+1",    "1/2x<3",
    "0.5x+1>2",    "x<=3",      "-(x+5)>2",   "5(x-1)<2(x+4)",  "3a>=6",      "x>2",
    "1/3x+1>=2",   "4x>-8",     "2(x+1)<4",   "0.2x-0.3<=0.5",  "-x>4",       "x-4>2+3x",
};

std::vector<std::string> commandTable() {
    std::vector<std::string> t;
    for (int n = 1; n <= 12; ++n) t.push_back("press btnShiki" + std::to_string(n));
    for (int n = 1; n <= 4; ++n) t.push_back("press btnShiki" + std::to_string(n));  // the usual ones more often
    for (int n = 1; n <= 14; ++n) t.push_back("press Image" + std::to_string(n));
    for (const char* name : {"btnKake", "btnWaru", "btnTasu", "btnHiku", "btnSeiri", "btnIkou", "btnKakko",
                             "btnMinus", "btnDecimal", "btnBunsu", "btnMoji", "btnClear", "btnJikkou",
                             "btnJikkou", "btnTeisei", "btnNext", "BitBtn1", "Image16", "grbKai"})
        t.push_back(std::string("press ") + name);
    for (char d = '0'; d <= '9'; ++d) t.push_back(std::string("press btn") + d);
    for (const char* c : {"1", "2", "3", "0", "5", "x", "a", "S", "K", "I", "B", "b", "*", "/", "+", "-", ".",
                          "s", "k", "i", "q", "分"})
        t.push_back(std::string("char ") + c);
    for (const char* k : {"Enter", "Enter", "Escape", "Delete", "Shift"}) t.push_back(std::string("key ") + k);
    for (const char* r : {"ok", "yes", "no", "cancel", "musu", "kainashi", "close"})
        t.push_back(std::string("reply ") + r);
    for (const char* w : {"640", "800", "1024"}) t.push_back(std::string("screen ") + w);
    t.push_back("records");
    return t;
}

int toInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    require(ec == std::errc() && end == text.data() + text.size());
    return value;
}

// "N", "K" (one character, perhaps several UTF-8 bytes), "D": 2x1, -1/2, 0ﾖ0.
struct Cell {
    std::string kind;
    int den = 0;
};

Cell parseCell(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    require(i > 0 && i < text.size());
    toInt(text.substr(0, i));
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    require(i + length < text.size());
    return {std::string(text.substr(i, length)), toInt(text.substr(i + length))};
}

bool isRelation(const std::string& kind) { return kind == "<" || kind == ">" || kind == "ﾋ" || kind == "ﾖ"; }
bool hasValue(const std::string& kind) {
    return kind == "/" || kind == "|" || (kind.size() == 1 && std::isalpha(static_cast<unsigned char>(kind[0])));
}

void checkCells(std::string_view cells) {
    int count = 0, relations = 0;
    std::istringstream words{std::string(cells)};
    for (std::string word; words >> word;) {
        const Cell c = parseCell(word);
        ++count;
        if (isRelation(c.kind)) ++relations;
        if (hasValue(c.kind)) require(c.den > 0);
    }
    require(count <= 30);
    require(relations == 1);
}

void checkState(std::string_view line) {
    std::istringstream fields{std::string(line.substr(line.find(' ') + 1))};
    int lineCount = -1, select = -1, step = -1, answerKind = -1, first = -1, second = -1;
    for (std::string field; fields >> field;) {
        const auto eq = field.find('=');
        const std::string name = field.substr(0, eq), value = field.substr(eq + 1);
        if (name == "lineCount") lineCount = toInt(value);
        if (name == "selectState") select = toInt(value);
        if (name == "stepState") step = toInt(value);
        if (name == "answerKind") answerKind = toInt(value);
        if (name == "firstLine") first = toInt(value);
        if (name == "secondLine") second = toInt(value);
    }
    require(lineCount >= 0 && lineCount <= 14);
    const bool named = (select == 0 && step == 0) || (select == 1 && step == 1) || (select == 2 && step == 2) ||
                       (select == 2 && step == 3) || (select == 3 && step == 1);
    require(named);
    require(answerKind == 0 || answerKind == 1 || answerKind == 3 || answerKind == 4);
    require(first >= 0 && first <= lineCount && second >= 0 && second <= lineCount);
}

void checkTranscript(const std::string& text) {
    std::istringstream lines(text);
    bool stateSeen = false;
    for (std::string line; std::getline(lines, line);) {
        require(!line.starts_with("fatal:") && !line.starts_with("error:"));
        for (const char* internal : {"box not fond", "GCDが０です", "ERROR"})
            require(line.find(internal) == std::string::npos);
        if (line.starts_with("state:")) {
            checkState(line);
            stateSeen = true;
        } else if (line.starts_with("line ")) {
            const auto colon = line.find(':');
            const int n = toInt(std::string_view(line).substr(5, colon - 5));
            require(n >= 1 && n <= 14);
            const auto bar = line.find(" | ");
            require(bar != std::string::npos);
            checkCells(std::string_view(line).substr(bar + 3));
        } else if (line.starts_with("answerline:")) {
            checkCells(std::string_view(line).substr(11));
        }
    }
    require(stateSeen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::string> commands = commandTable();
    // The record file of solved questions is written to the working folder.
    static const bool inScratch = [] {
        std::filesystem::current_path(talvoren::fuzz::scratchFolder());
        return true;
    }();
    require(inScratch);
    talvoren::fuzz::FuzzBytes in(data, size);
    std::ostringstream out;
    talvoren::driver::Player player(out, ".");
    std::string command = std::string("question ") + questions[in.byte() % questions.size()];
    for (int steps = 0; steps < 400; ++steps) {
        player.runLine(command);
        player.runLine("state");
        checkTranscript(out.str());
        if (in.empty()) break;
        out.str("");
        const std::uint8_t b = in.byte();
        command = b >= 0xF8 ? std::string("question ") + questions[in.byte() % questions.size()]
                            : commands[b % commands.size()];
    }
    return 0;
}

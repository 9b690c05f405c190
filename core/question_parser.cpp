// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/question_parser.h"

#include <algorithm>
#include <string>

#include "core/sjis.h"

namespace talvoren {

namespace {

constexpr std::size_t maxQuestionBytes = 38;
constexpr int maxDigits = 5;

const char* const tooLongText = "問題が長すぎます";
const char* const badNumberText = "エラー！数字の表現が不正です";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return isLetter(static_cast<std::uint8_t>(c)); }

bool isOpeningByte(char c) {
    return c == '(' || c == '[' || c == '{' || static_cast<std::uint8_t>(c) == kind::cornerOpen;
}
bool isClosingByte(char c) {
    return c == ')' || c == ']' || c == '}' || static_cast<std::uint8_t>(c) == kind::cornerClose;
}

// One run of at most five digits from `pos` (1-based) up to `limit`. On
// success `pos` is left at the last digit and `value`/`count` hold the run.
// Six digits are refused with the five-digit message and code 999.
bool readDigits(CoreState& s, const std::string& text, int& pos, int limit, std::int32_t& value,
                int& count) {
    value = 0;
    count = 0;
    std::string digits;
    int p = pos;
    while (count <= maxDigits && p <= limit && isDigit(text[static_cast<std::size_t>(p - 1)])) {
        digits += text[static_cast<std::size_t>(p - 1)];
        ++count;
        ++p;
    }
    if (count > maxDigits) {
        s.messages.showMessage(digits + "：エラー！数字は５桁以下です");
        s.parseError = 999;
        return false;
    }
    for (char d : digits) value = value * 10 + (d - '0');
    if (count > 0) pos = p - 1;
    return true;
}

int decimalDigitCount(std::int32_t v) {
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// The parser's registers for one call.
struct ParserState {
    ExprCell coef{1, 1, kind::constant};
    bool waiting = false;
    std::int32_t sign = 1;
    char prev = '@';
    int relations = 0;
    // The last term ended with a letter or a closing bracket, and only blanks
    // or "*" have followed: a number, letter or bracket here would be a
    // product the line cannot hold.
    bool afterTermEnd = false;
};

class QuestionParser {
public:
    QuestionParser(CoreState& s, int n, const std::string& bytes) : s_(s), n_(n), text_(bytes) {}

    bool run() {
        const int length = static_cast<int>(text_.size());
        for (int pos = 1; pos <= length && s_.parseError == 0; ++pos) {
            const char c = text_[static_cast<std::size_t>(pos - 1)];
            if (!step(c, pos, length)) return false;
            if (full()) return false;
            const bool keepsTermEnd = c == ' ' || c == '*';
            if (!keepsTermEnd) st_.afterTermEnd = isAsciiLetter(c) || isClosingByte(c);
            st_.prev = c;
        }
        if (s_.parseError != 0) return false;
        if (st_.waiting) {
            ExprCell last = st_.coef;
            last.kind = kind::constant;
            append(last);
            if (full()) return false;
        }
        if (s_.unknownLetter == '@') {
            s_.messages.showMessage("moji");
            s_.parseError = 87;
            return false;
        }
        if (st_.relations != 1) {
            s_.messages.showMessage("不等号の数が不正です");
            return false;
        }
        return true;
    }

private:
    void append(const ExprCell& c) { appendCell(s_, n_, c); }

    // A question that needs more than 30 cells is refused as an over-long one.
    bool full() {
        if (!s_.lineFull) return false;
        s_.messages.showMessage(tooLongText);
        s_.parseError = 111;
        return true;
    }

    bool refusePosition(const char* text) {
        s_.messages.showMessage(text);
        return false;
    }

    // A vertical-bar fraction keeps its kind only as the factor of the
    // bracket group that follows it (the group is drawn over its
    // denominator); anywhere else it is the constant it stands for, so every
    // transformation counts it.
    void flushWaiting(bool beforeBracket = false) {
        if (st_.waiting) {
            ExprCell c = st_.coef;
            if (c.kind == kind::bar && !beforeBracket) c.kind = kind::constant;
            append(c);
        }
        st_.waiting = false;
    }

    bool step(char c, int& pos, int length) {
        if (isDigit(c)) {
            if (st_.afterTermEnd) return refusePosition("数字の位置が不正です");
            ExprCell number;
            if (!readNumber(s_, text_, pos, length, number)) return false;
            number.num *= st_.sign;
            st_.coef = number;
            st_.sign = 1;
            st_.waiting = true;
            return true;
        }
        if (isAsciiLetter(c)) return letter(c);
        switch (c) {
        case ' ':
            s_.messages.ask("警告", "空白があります", Buttons::ok, Icon::information);
            return true;
        case '+':
        case '-':
            if (st_.prev == '+' || st_.prev == '-' || st_.prev == '/') {
                s_.parseError = 110;
                return false;
            }
            st_.sign = c == '+' ? 1 : -1;
            flushWaiting();
            return true;
        case '<':
        case '>':
            ++st_.relations;
            opening(c);
            return true;
        case '=':
            return equals();
        default:
            break;
        }
        if (isOpeningByte(c)) {
            if (st_.afterTermEnd) return refusePosition("かっこの位置が不正です");
            opening(c);
        } else if (isClosingByte(c)) {
            flushWaiting();
            append({1, 0, static_cast<std::uint8_t>(c)});
        }
        return true;  // any other byte is ignored
    }

    bool letter(char c) {
        if (s_.unknownLetter != '@' && s_.unknownLetter != c) {
            s_.messages.showMessage("文字が多すぎます");
            return false;
        }
        if (st_.afterTermEnd) return refusePosition("文字の位置が不正です");
        s_.unknownLetter = c;
        if (std::string_view("=({[+<>").find(st_.prev) != std::string_view::npos ||
            static_cast<std::uint8_t>(st_.prev) == kind::cornerOpen) {
            st_.coef = ONE;
        } else if (st_.prev == '-') {
            st_.coef = {1, -1, kind::constant};
        }
        append({st_.coef.den, st_.coef.num, static_cast<std::uint8_t>(c)});
        st_.waiting = false;
        return true;
    }

    // An opening bracket or a relation sign: a lone sign before it becomes
    // the factor 1 or -1.
    void opening(char c) {
        if (st_.prev == '+') {
            st_.coef = ONE;
            st_.waiting = true;
        } else if (st_.prev == '-') {
            st_.coef = {1, -1, kind::constant};
            st_.waiting = true;
        }
        flushWaiting(isOpeningByte(c));
        append({1, 0, static_cast<std::uint8_t>(c)});
        st_.sign = 1;
    }

    bool equals() {
        if (st_.prev == '<' || st_.prev == '>') {
            popCell(s_, n_);
            append({0, 0, st_.prev == '<' ? kind::lessEqual : kind::greaterEqual});
            return true;
        }
        s_.messages.showMessage("＝の位置が不正です");
        return false;
    }

    CoreState& s_;
    int n_;
    const std::string& text_;
    ParserState st_;
};

}  // namespace

namespace {

// A written line is held to the line's 30 cells, not to a question's length.
constexpr std::size_t maxLineBytes = 256;

bool parseText(CoreState& s, int n, std::string_view text, std::size_t byteLimit) {
    clearLine(s, n);
    s.parseError = 0;
    s.clearFaults();
    if (text.empty()) return false;
    const auto bytes = sjis::toCp932(text);
    if (!bytes) {
        s.messages.showMessage("使えない文字があります");
        return false;
    }
    if (bytes->size() > byteLimit) {
        s.messages.showMessage(tooLongText);
        s.parseError = 111;
        return false;
    }
    s.hasDecimalPoint = bytes->find('.') != std::string::npos;
    s.unknownLetter = '@';
    return QuestionParser(s, n, *bytes).run();
}

ScratchQuestion parseScratch(MessageSink& messages, std::string_view text, std::size_t byteLimit) {
    CoreState scratch(messages);
    constexpr int scratchLine = 0;
    ScratchQuestion q;
    q.accepted = parseText(scratch, scratchLine, text, byteLimit);
    q.line = scratch.lines[scratchLine];
    q.unknownLetter = scratch.unknownLetter;
    q.hasDecimalPoint = scratch.hasDecimalPoint;
    q.parseError = scratch.parseError;
    return q;
}

}  // namespace

bool parseQuestion(CoreState& s, int n, std::string_view text) { return parseText(s, n, text, maxQuestionBytes); }

bool readNumber(CoreState& s, std::string_view cp932, int& position, int limit, ExprCell& out) {
    // A private copy ending in "@" so that no read runs past the text.
    const std::string text = std::string(cp932) + '@';
    limit = std::min(limit, static_cast<int>(cp932.size()));
    if (position < 1 || position > limit) return false;
    std::int32_t integer = 0;
    int integerDigits = 0;
    if (!readDigits(s, text, position, limit, integer, integerDigits)) return false;

    std::int32_t den = 1;
    std::int32_t num = integer;
    std::uint8_t bar = kind::constant;
    const char next = position < limit ? text[static_cast<std::size_t>(position)] : '\0';
    if (next == '.') {
        int pos = position + 2;
        std::int32_t fraction = 0;
        int fractionDigits = 0;
        // The fraction's digits are read up to the "@" whatever the limit.
        if (!readDigits(s, text, pos, static_cast<int>(text.size()), fraction, fractionDigits))
            return false;
        if (fractionDigits == 0) {
            s.messages.showMessage(badNumberText);
            return false;
        }
        if (decimalDigitCount(integer) + fractionDigits > maxDigits) {
            s.messages.showMessage("整数部と小数部の合計桁数は５以内です");
            s.parseError = 1111;
            return false;
        }
        den = 1;
        for (int i = 0; i < fractionDigits; ++i) den *= 10;
        num = fraction + integer * den;
        position = pos;
    } else if (next == '/' || next == '|') {
        bar = static_cast<std::uint8_t>(next);
        int pos = position + 2;
        int denDigits = 0;
        if (!readDigits(s, text, pos, limit, den, denDigits)) return false;
        if (denDigits == 0) {
            s.messages.showMessage(badNumberText);
            den = 0;
        } else {
            position = pos;
        }
    }
    if (den == 0) {
        s.parseError = 998;
        return false;
    }
    out = reduce(s, den, num, bar);
    return true;
}

ScratchQuestion parseScratchQuestion(MessageSink& messages, std::string_view text) {
    return parseScratch(messages, text, maxQuestionBytes);
}

ScratchQuestion parseScratchLine(MessageSink& messages, std::string_view text) {
    return parseScratch(messages, text, maxLineBytes);
}

}  // namespace talvoren

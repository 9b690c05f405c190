// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/question_parser.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/sjis.h"

namespace talvoren {

namespace {

constexpr std::size_t maxQuestionBytes = 38;
constexpr int maxDigits = 5;

const char* const tooLongText = "問題が長すぎます";
const char* const badNumberText = "エラー！数字の表現が不正です";

// What a teacher reads when a question is refused. The texts the parser has
// always shown stay as they were; these say why in plain words beside them.
namespace reason {
const char* const empty = "問題が空です";
const char* const unusable = "シフトJISで書けない文字があります";
const char* const tooLong = "問題が長すぎます（半角38文字まで、式の項は30個まで）";
const char* const sixDigits = "数字は5けたまでです";
const char* const badNumber = "分数か小数の書き方がまちがっています（/ や . の後に数字がありません）";
const char* const decimalDigits = "小数は整数部と小数部を合わせて5けたまでです";
const char* const zeroDenominator = "分母が0です";
const char* const secondLetter = "文字が2種類以上あります（使える文字は1つです）";
const char* const doubleSign = "符号が2つ続いています";
const char* const noLetter = "文字（x など）がありません";
const char* const noRelation = "不等号（< か >）がありません";
const char* const manyRelations = "不等号が2つ以上あります";
const char* const misplacedEquals = "＝は < や > のすぐ後にだけ書けます（<= や >=）";
const char* const digitAfterTerm = "文字やかっこのすぐ後に数字があります";
const char* const letterAfterTerm = "文字やかっこのすぐ後に文字があります";
const char* const bracketAfterTerm = "文字やかっこのすぐ後にかっこがあります";
const char* const signWithoutTerm = "符号（+ や -）の後に項がありません";
const char* const unclosedBracket = "かっこが閉じていません";
const char* const unopenedBracket = "閉じかっこに対応する開きかっこがありません";
const char* const bracketMismatch = "開きかっこと閉じかっこの種類がちがいます";
const char* const emptyBracket = "かっこの中に式がありません";
const char* const emptyLeft = "不等号の左側に式がありません";
const char* const emptyRight = "不等号の右側に式がありません";
const char* const twoNumbers = "数字が2つ続いています（間に符号がありません）";
const char* const strayPoint = "小数点の前に数字がありません";
const char* const straySlash = "／の前に数字か文字がありません";
const char* const strayBar = "｜の前に数字がありません";
const char* const letterDivisor = "文字の後の／の後には整数を書いてください（x/6 など）";
const char* const divisionByZero = "0でわることはできません";
const char* const fullWidth = "全角の文字があります（半角で書いてください）";
}  // namespace reason

bool isDigit(char c) { return c >= '0' && c <= '9'; }
CellKind kindOf(char c) { return kindOfByte(static_cast<std::uint8_t>(c)); }
bool isAsciiLetter(char c) { return isLetter(kindOf(c)); }
bool isOpeningByte(char c) { return isOpeningBracket(kindOf(c)); }
bool isClosingByte(char c) { return isClosingBracket(kindOf(c)); }

// One run of at most five digits from `pos` (1-based) up to `limit`. On
// success `pos` is left at the last digit and `value`/`count` hold the run.
// Six digits are refused with the five-digit message and code 999.
bool readDigits(ExprTables& s, const std::string& text, int& pos, int limit, std::int32_t& value,
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
        s.note(digits + "：エラー！数字は５桁以下です");
        s.parseError = 999;
        s.refusalReason = reason::sixDigits;
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
    ExprCell coef{1, 1, CellKind::constant};
    bool waiting = false;
    std::int32_t sign = 1;
    char prev = '@';
    int relations = 0;
    // The last term ended with a letter or a closing bracket, and only blanks
    // or "*" have followed: a number, letter or bracket here would be a
    // product the line cannot hold.
    bool afterTermEnd = false;
    // A sign has been read and no term has yet followed it.
    bool signPending = false;
    // The brackets open now, innermost last, and whether a term stands in
    // the innermost one yet.
    std::string openBrackets;
    bool termInBracket = true;
    // A term has been read on the side of the relation being read.
    bool termOnSide = false;
};

char closingFor(char opening) {
    switch (opening) {
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
    default: return static_cast<char>(kindByte(CellKind::cornerClose));
    }
}

class QuestionParser {
public:
    QuestionParser(ExprTables& s, int n, const std::string& bytes) : s_(s), n_(n), text_(bytes) {}

    bool run() {
        const int length = static_cast<int>(text_.size());
        for (int pos = 1; pos <= length && s_.parseError == 0; ++pos) {
            const char c = text_[static_cast<std::size_t>(pos - 1)];
            position_ = pos;
            termEndedByDivision_ = false;
            if (!step(c, pos, length)) return false;
            if (full()) return false;
            const bool keepsTermEnd = c == ' ' || c == '*' || isIdeographicSpaceLead(pos) ||
                                      isIdeographicSpaceTrail(pos);
            if (termEndedByDivision_)
                st_.afterTermEnd = true;
            else if (!keepsTermEnd)
                st_.afterTermEnd = isAsciiLetter(c) || isClosingByte(c);
            // A number leaves its last byte (a digit) as the previous byte.
            st_.prev = text_[static_cast<std::size_t>(pos - 1)];
        }
        if (s_.parseError != 0) return false;
        if (st_.waiting) {
            ExprCell last = st_.coef;
            last.kind = CellKind::constant;
            append(last);
            if (full()) return false;
        }
        position_ = 0;
        if (s_.unknownLetter == '@') {
            s_.note("moji");
            s_.parseError = 87;
            return refuse(reason::noLetter);
        }
        if (st_.relations != 1) {
            s_.note("不等号の数が不正です");
            return refuse(st_.relations == 0 ? reason::noRelation : reason::manyRelations);
        }
        if (st_.signPending) return refuseSaying(reason::signWithoutTerm);
        if (!st_.openBrackets.empty()) return refuseSaying(reason::unclosedBracket);
        if (!st_.termOnSide) return refuseSaying(reason::emptyRight);
        return true;
    }

private:
    void append(const ExprCell& c) { appendCell(s_, n_, c); }

    // Records why the question was refused; its message has been shown.
    bool refuse(const std::string& why) {
        s_.refusalReason = why;
        s_.refusalPosition = position_;
        return false;
    }
    // A refusal whose reason is also the message shown.
    bool refuseSaying(const char* why) {
        s_.note(why);
        return refuse(why);
    }

    // A question that needs more than 30 cells is refused as an over-long one.
    bool full() {
        if (!s_.lineFull) return false;
        s_.note(tooLongText);
        s_.parseError = 111;
        refuse(reason::tooLong);
        return true;
    }

    bool refusePosition(const char* text, const char* why) {
        s_.note(text);
        return refuse(why);
    }

    // The second byte of an ideographic space (0x81 0x40), which stands
    // between terms as a blank does.
    bool isIdeographicSpaceTrail(int pos) const { return isIdeographicSpaceAt(pos - 1); }
    bool isIdeographicSpaceLead(int pos) const { return isIdeographicSpaceAt(pos); }
    bool isIdeographicSpaceAt(int lead) const {
        return lead >= 1 && lead < static_cast<int>(text_.size()) &&
               static_cast<std::uint8_t>(text_[static_cast<std::size_t>(lead - 1)]) == 0x81 &&
               text_[static_cast<std::size_t>(lead)] == 0x40;
    }

    // A term (number, letter or bracket group) begins here.
    void termStarts() {
        st_.signPending = false;
        st_.termOnSide = true;
        st_.termInBracket = true;
    }

    // A vertical-bar fraction keeps its kind only as the factor of the
    // bracket group that follows it (the group is drawn over its
    // denominator); anywhere else it is the constant it stands for, so every
    // transformation counts it.
    void flushWaiting(bool beforeBracket = false) {
        if (st_.waiting) {
            ExprCell c = st_.coef;
            if (c.kind == CellKind::bar && !beforeBracket) c.kind = CellKind::constant;
            append(c);
        }
        st_.waiting = false;
    }

    bool step(char c, int& pos, int length) {
        if (isDigit(c)) return number(pos, length);
        // A two-byte character's second byte may look like "{" or "[": the
        // character is refused as a whole, the ideographic space aside.
        if (sjis::isLeadByte(static_cast<std::uint8_t>(c)) && !isIdeographicSpaceLead(pos)) return refuseSaying(reason::fullWidth);
        if (isAsciiLetter(c)) return letter(c);
        switch (c) {
        case ' ':
            s_.notices.push_back({"空白があります", "警告", Buttons::ok, Icon::information});
            return true;
        case '+':
        case '-':
            if (st_.prev == '+' || st_.prev == '-' || st_.prev == '/') {
                s_.parseError = 110;
                return refuse(reason::doubleSign);
            }
            st_.sign = c == '+' ? 1 : -1;
            flushWaiting();
            st_.signPending = true;
            return true;
        case '<':
        case '>':
            ++st_.relations;
            // A second relation is refused by their count at the end.
            if (st_.relations == 1 && !relationMayStandHere()) return false;
            opening(c);
            st_.termOnSide = false;
            return true;
        case '=':
            return equals();
        case '/':
            if (isAsciiLetter(st_.prev)) return divideLetter(pos, length);
            return refuseSaying(reason::straySlash);
        case '.': return refuseSaying(reason::strayPoint);
        case '|': return refuseSaying(reason::strayBar);
        default:
            break;
        }
        if (isOpeningByte(c)) {
            if (st_.afterTermEnd) return refusePosition("かっこの位置が不正です", reason::bracketAfterTerm);
            opening(c);
            termStarts();
            st_.openBrackets += c;
            st_.termInBracket = false;
        } else if (isClosingByte(c)) {
            return closing(c);
        }
        return true;  // any other byte is ignored
    }

    bool number(int& pos, int length) {
        if (st_.afterTermEnd) return refusePosition("数字の位置が不正です", reason::digitAfterTerm);
        if (st_.waiting) return refuseSaying(reason::twoNumbers);
        ExprCell read;
        if (!readNumber(s_, text_, pos, length, read)) {
            s_.refusalPosition = position_;  // the reader has said why
            return false;
        }
        read.num *= st_.sign;
        st_.coef = read;
        st_.sign = 1;
        st_.waiting = true;
        termStarts();
        return true;
    }

    bool letter(char c) {
        if (s_.unknownLetter != '@' && s_.unknownLetter != c) {
            s_.note("文字が多すぎます");
            return refuse(reason::secondLetter);
        }
        if (st_.afterTermEnd) return refusePosition("文字の位置が不正です", reason::letterAfterTerm);
        s_.unknownLetter = c;
        if (std::string_view("=({[+<>").find(st_.prev) != std::string_view::npos ||
            kindOf(st_.prev) == CellKind::cornerOpen) {
            st_.coef = ONE;
        } else if (st_.prev == '-') {
            st_.coef = {1, -1, CellKind::constant};
        }
        append({st_.coef.den, st_.coef.num, kindOf(c)});
        st_.waiting = false;
        termStarts();
        return true;
    }

    // "x/6" is the letter term divided by 6: one sixth of x. Only a whole
    // number may follow, so that x/6/2 or x/1.5 is not read as something else.
    bool divideLetter(int& pos, int length) {
        int p = pos + 1;
        std::int32_t divisor = 0;
        int digits = 0;
        if (!readDigits(s_, text_, p, length, divisor, digits)) return refuse(reason::sixDigits);
        const char after = p < length ? text_[static_cast<std::size_t>(p)] : '\0';
        if (digits == 0 || after == '.' || after == '/' || after == '|')
            return refuseSaying(reason::letterDivisor);
        if (divisor == 0) {
            s_.parseError = 998;
            return refuseSaying(reason::divisionByZero);
        }
        ExprLine& line = s_.lines[static_cast<std::size_t>(n_)];
        ExprCell& term = line.cells[static_cast<std::size_t>(line.cellCount - 1)];
        const std::int64_t den = std::int64_t{term.den} * divisor;
        if (den > std::numeric_limits<std::int32_t>::max()) return refuseSaying(reason::sixDigits);
        const ExprCell divided = reduce(s_, static_cast<std::int32_t>(den), term.num, term.kind);
        term = divided;
        pos = p;
        termEndedByDivision_ = true;
        return true;
    }

    // A relation closes the left side: it needs a term there, no sign left
    // waiting for its term and no bracket left open.
    bool relationMayStandHere() {
        if (st_.signPending) return refuseSaying(reason::signWithoutTerm);
        if (!st_.openBrackets.empty()) return refuseSaying(reason::unclosedBracket);
        if (!st_.termOnSide) return refuseSaying(reason::emptyLeft);
        return true;
    }

    bool closing(char c) {
        if (st_.signPending) return refuseSaying(reason::signWithoutTerm);
        if (st_.openBrackets.empty()) return refuseSaying(reason::unopenedBracket);
        if (closingFor(st_.openBrackets.back()) != c) return refuseSaying(reason::bracketMismatch);
        flushWaiting();
        if (!st_.termInBracket) return refuseSaying(reason::emptyBracket);
        st_.openBrackets.pop_back();
        append({1, 0, kindOf(c)});
        return true;
    }

    // An opening bracket or a relation sign: a lone sign before it becomes
    // the factor 1 or -1.
    void opening(char c) {
        if (st_.prev == '+') {
            st_.coef = ONE;
            st_.waiting = true;
        } else if (st_.prev == '-') {
            st_.coef = {1, -1, CellKind::constant};
            st_.waiting = true;
        }
        flushWaiting(isOpeningByte(c));
        append({1, 0, kindOf(c)});
        st_.sign = 1;
    }

    bool equals() {
        if (st_.prev == '<' || st_.prev == '>') {
            popCell(s_, n_);
            append({0, 0, st_.prev == '<' ? CellKind::lessEqual : CellKind::greaterEqual});
            return true;
        }
        s_.note("＝の位置が不正です");
        return refuse(reason::misplacedEquals);
    }

    ExprTables& s_;
    int n_;
    const std::string& text_;
    ParserState st_;
    int position_ = 0;
    bool termEndedByDivision_ = false;
};

}  // namespace

namespace {

// A written line is held to the line's 30 cells, not to a question's length.
constexpr std::size_t maxLineBytes = 256;

bool parseText(ExprTables& s, int n, std::string_view text, std::size_t byteLimit) {
    clearLine(s, n);
    s.parseError = 0;
    s.clearFaults();
    s.refusalReason.clear();
    s.refusalPosition = 0;
    if (text.empty()) {
        s.refusalReason = reason::empty;
        return false;
    }
    const auto bytes = sjis::toCp932(text);
    if (!bytes) {
        s.note("使えない文字があります");
        s.refusalReason = reason::unusable;
        return false;
    }
    if (bytes->size() > byteLimit) {
        s.note(tooLongText);
        s.parseError = 111;
        s.refusalReason = reason::tooLong;
        return false;
    }
    s.hasDecimalPoint = bytes->find('.') != std::string::npos;
    s.unknownLetter = '@';
    return QuestionParser(s, n, *bytes).run();
}

ScratchQuestion parseScratch(std::string_view text, std::size_t byteLimit) {
    ExprTables scratch;
    constexpr int scratchLine = 0;
    ScratchQuestion q;
    q.accepted = parseText(scratch, scratchLine, text, byteLimit);
    q.line = scratch.lines[scratchLine];
    q.unknownLetter = scratch.unknownLetter;
    q.hasDecimalPoint = scratch.hasDecimalPoint;
    q.parseError = scratch.parseError;
    q.refusalReason = scratch.refusalReason;
    q.refusalPosition = scratch.refusalPosition;
    q.notices = std::move(scratch.notices);
    return q;
}

}  // namespace

bool parseQuestion(ExprTables& s, int n, std::string_view text) { return parseText(s, n, text, maxQuestionBytes); }

bool readNumber(ExprTables& s, std::string_view cp932, int& position, int limit, ExprCell& out) {
    // A private copy ending in "@" so that no read runs past the text.
    const std::string text = std::string(cp932) + '@';
    limit = std::min(limit, static_cast<int>(cp932.size()));
    if (position < 1 || position > limit) return false;
    std::int32_t integer = 0;
    int integerDigits = 0;
    if (!readDigits(s, text, position, limit, integer, integerDigits)) return false;

    std::int32_t den = 1;
    std::int32_t num = integer;
    CellKind bar = CellKind::constant;
    const char next = position < limit ? text[static_cast<std::size_t>(position)] : '\0';
    if (next == '.') {
        int pos = position + 2;
        std::int32_t fraction = 0;
        int fractionDigits = 0;
        // The fraction's digits are read up to the "@" whatever the limit.
        if (!readDigits(s, text, pos, static_cast<int>(text.size()), fraction, fractionDigits))
            return false;
        if (fractionDigits == 0) {
            s.note(badNumberText);
            s.refusalReason = reason::badNumber;
            return false;
        }
        if (decimalDigitCount(integer) + fractionDigits > maxDigits) {
            s.note("整数部と小数部の合計桁数は５以内です");
            s.parseError = 1111;
            s.refusalReason = reason::decimalDigits;
            return false;
        }
        den = 1;
        for (int i = 0; i < fractionDigits; ++i) den *= 10;
        num = fraction + integer * den;
        position = pos;
    } else if (next == '/' || next == '|') {
        bar = next == '|' ? CellKind::bar : CellKind::constant;
        int pos = position + 2;
        int denDigits = 0;
        if (!readDigits(s, text, pos, limit, den, denDigits)) return false;
        if (denDigits == 0) {
            s.note(badNumberText);
            s.refusalReason = reason::badNumber;
            den = 0;
        } else {
            position = pos;
        }
    }
    if (den == 0) {
        s.parseError = 998;
        if (s.refusalReason.empty()) s.refusalReason = reason::zeroDenominator;
        return false;
    }
    out = reduce(s, den, num, bar);
    return true;
}

ScratchQuestion parseScratchQuestion(std::string_view text) {
    return parseScratch(text, maxQuestionBytes);
}

ScratchQuestion parseScratchLine(std::string_view text) {
    return parseScratch(text, maxLineBytes);
}

}  // namespace talvoren

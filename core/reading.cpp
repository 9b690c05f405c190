// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

namespace talvoren {

namespace {

constexpr std::array<std::string_view, 10> digitWords = {"れい", "いち", "に", "さん", "よん",
                                                         "ご",   "ろく", "なな", "はち", "きゅう"};

// 1 to 9999 in kana, with the sound changes of 300, 600, 800, 3000 and 8000.
std::string belowTenThousand(unsigned value) {
    static constexpr std::array<std::string_view, 10> thousands = {
        "", "せん", "にせん", "さんぜん", "よんせん", "ごせん", "ろくせん", "ななせん", "はっせん", "きゅうせん"};
    static constexpr std::array<std::string_view, 10> hundreds = {
        "", "ひゃく", "にひゃく", "さんびゃく", "よんひゃく", "ごひゃく", "ろっぴゃく", "ななひゃく", "はっぴゃく",
        "きゅうひゃく"};
    std::string out{thousands[value / 1000]};
    out += hundreds[value / 100 % 10];
    const unsigned tens = value / 10 % 10;
    if (tens > 1) out += digitWords[tens];
    if (tens > 0) out += "じゅう";
    if (value % 10) out += digitWords[value % 10];
    return out;
}

// Before てん a number ending in いち, ろく, はち or じゅう is clipped.
std::string clippedBeforePoint(std::string word) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> clips = {
        {{"いち", "いっ"}, {"ろく", "ろっ"}, {"はち", "はっ"}, {"じゅう", "じゅっ"}}};
    for (const auto& [full, clipped] : clips)
        if (word.ends_with(full)) return word.substr(0, word.size() - full.size()) + std::string(clipped);
    return word;
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string digitText(std::int64_t value) { return std::to_string(value < 0 ? -value : value); }

// A cell's value as the page writes it: "5", "2/3", or a decimal "0.25"
// when the question has a decimal point and the value ends within four places.
std::string valueText(const ExprCell& c, bool hasDecimalPoint) {
    const std::int64_t num = std::abs(static_cast<std::int64_t>(c.num));
    const std::int64_t den = c.den;
    if (den == 1 || num == 0) return digitText(num);
    if (hasDecimalPoint && den > 0) {
        std::string places;
        std::int64_t r = num % den;
        while (r != 0 && places.size() < 4) {
            r *= 10;
            places += static_cast<char>('0' + r / den);
            r %= den;
        }
        if (r == 0) return digitText(num / den) + "." + places;
    }
    return digitText(num) + "/" + digitText(den);
}

// "2/3" → さんぶんのに; "0.5" → れいてんご; "12" → じゅうに.
std::string valueReading(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) return digitsReading(text);
    return digitsReading(text.substr(slash + 1)) + "ぶんの" + digitsReading(text.substr(0, slash));
}

// One word of a line: what the page shows and how it is said.
struct Word {
    std::string text;
    std::string kana;
};

// The line's cells in words, following the page's way of writing them.
std::vector<Word> lineWords(const ExprLine& line, bool hasDecimalPoint) {
    std::vector<Word> words;
    CellKind previousKind = CellKind::roundOpen;
    // A vertical-bar factor writes the bracket after it over its denominator.
    bool inGroup = false;
    bool groupKeepsBrackets = true;
    std::string groupDenominator;
    const auto sign = [&](const ExprCell& c) {
        if (c.num < 0) words.push_back({"−", "マイナス"});
        else if (c.num > 0 && !suppressesPlus(previousKind)) words.push_back({"+", "プラス"});
    };
    const int count = std::clamp(line.cellCount, 0, maxCells);
    for (int i = 0; i < count; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        const CellKind k = c.kind;
        const CellKind next = i + 1 < count ? line.cells[static_cast<std::size_t>(i) + 1].kind : CellKind::constant;
        const bool unit = c.den == 1 && (c.num == 1 || c.num == -1);
        // The page leaves out the brackets of (x+1)/3; plain text keeps them.
        const bool saysBrackets = !inGroup || groupKeepsBrackets;
        if (isOpeningBracket(k)) {
            words.push_back({bracketSymbol(k), saysBrackets ? "かっこ" : ""});
        } else if (isClosingBracket(k)) {
            words.push_back({bracketSymbol(k), saysBrackets ? "かっことじ" : ""});
            if (inGroup && !groupDenominator.empty()) words.push_back({"/" + groupDenominator, ""});
            inGroup = false;
        } else if (isRelation(k)) {
            static constexpr std::array<std::pair<CellKind, std::string_view>, 4> names = {
                {{CellKind::less, "しょうなり"},
                 {CellKind::greater, "だいなり"},
                 {CellKind::lessEqual, "しょうなりイコール"},
                 {CellKind::greaterEqual, "だいなりイコール"}}};
            for (const auto& [relation, name] : names)
                if (relation == k) words.push_back({relationSymbol(k), std::string(name)});
        } else if (k == CellKind::bar) {
            sign(c);
            const bool unitFactor = c.num == 1 || c.num == -1;
            inGroup = true;
            groupKeepsBrackets = !unitFactor || c.den == 1;
            groupDenominator = c.den == 1 ? "" : digitText(c.den);
            const std::string factor = unitFactor ? "" : digitText(c.num);
            const std::string over = c.den == 1 ? "" : digitsReading(groupDenominator) + "ぶんの";
            words.push_back({factor, over + (unitFactor ? "" : digitsReading(factor))});
        } else if (k == CellKind::constant) {
            sign(c);
            if (!(unit && isOpeningBracket(next))) {
                const std::string value = valueText(c, hasDecimalPoint);
                words.push_back({value, valueReading(value)});
            }
        } else if (isLetter(k)) {
            sign(c);
            const char letter = letterOf(k);
            std::string value = unit ? "" : valueText(c, hasDecimalPoint);
            if (c.num == 0) value.clear();
            words.push_back({value + letter, (value.empty() ? "" : valueReading(value)) + letterReading(letter)});
        }
        previousKind = k;
    }
    return words;
}

// The length of the UTF-8 character starting with byte `lead`.
std::size_t characterLength(unsigned char lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

// Full-width digits count as digits.
std::optional<char> digitAt(std::string_view text, std::size_t i) {
    if (i < text.size() && isAsciiDigit(text[i])) return text[i];
    constexpr std::string_view fullZero = "０";
    if (text.substr(i, 2) == fullZero.substr(0, 2) && i + 2 < text.size()) {
        const auto last = static_cast<unsigned char>(text[i + 2]);
        const auto zero = static_cast<unsigned char>(fullZero[2]);
        if (last >= zero && last <= zero + 9) return static_cast<char>('0' + (last - zero));
    }
    return std::nullopt;
}

// Signs, relations and brackets inside a text, said as words of their own.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> symbolWords = {{
    {"+", "プラス"}, {"＋", "プラス"}, {"-", "マイナス"}, {"－", "マイナス"}, {"−", "マイナス"},
    {"<", "しょうなり"}, {"＜", "しょうなり"}, {">", "だいなり"}, {"＞", "だいなり"},
    {"≦", "しょうなりイコール"}, {"≧", "だいなりイコール"}, {"=", "イコール"}, {"＝", "イコール"},
    {"×", "かける"}, {"÷", "わる"}, {"(", "かっこ"}, {")", "かっことじ"},
}};

// Marks that only group or point at words: a pause at most.
constexpr std::array<std::string_view, 13> pauses = {" ", "　", "（", "）", "［", "］", "←", ":", "：", ".", "&", "\t", "｜"};

// Builds a reading out of pieces; words of their own get one space around.
class ReadingBuilder {
public:
    void append(std::string_view kana) { out_ += kana; }
    void word(std::string_view kana) {
        space();
        out_ += kana;
        space();
    }
    void space() {
        if (!out_.empty() && out_.back() != ' ') out_ += ' ';
    }
    std::string result() {
        while (!out_.empty() && out_.back() == ' ') out_.pop_back();
        return out_;
    }

private:
    std::string out_;
};

// The longest fixed word starting at text[i], if any.
const FixedReading* fixedWordAt(std::string_view text, std::size_t i) {
    const FixedReading* best = nullptr;
    for (const FixedReading& r : fixedReadings())
        if (text.substr(i).starts_with(r.text) && (!best || r.text.size() > best->text.size())) best = &r;
    return best;
}

// A run of digits with at most one decimal point, as ASCII; i is moved past it.
std::string digitRun(std::string_view text, std::size_t& i) {
    std::string run;
    bool point = false;
    while (i < text.size()) {
        if (const auto d = digitAt(text, i)) {
            run += *d;
            i += isAsciiDigit(text[i]) ? 1 : 3;
        } else if (text[i] == '.' && !point && digitAt(text, i + 1)) {
            run += '.';
            point = true;
            ++i;
        } else {
            break;
        }
    }
    return run;
}

}  // namespace

std::string numberReading(std::uint64_t value) {
    if (value == 0) return std::string(digitWords[0]);
    static constexpr std::array<std::string_view, 5> units = {"", "まん", "おく", "ちょう", "けい"};
    std::string out;
    for (int u = static_cast<int>(units.size()) - 1; u >= 0; --u) {
        std::uint64_t scale = 1;
        for (int i = 0; i < u; ++i) scale *= 10000;
        const auto group = static_cast<unsigned>(value / scale % 10000);
        if (group == 0) continue;
        std::string part = belowTenThousand(group);
        if (group == 1 && u > 0) part = u == 3 ? "いっ" : "いち";
        if (group % 10 == 8 && u == 3) part = part.substr(0, part.size() - std::string_view("はち").size()) + "はっ";
        out += part + std::string(units[static_cast<std::size_t>(u)]);
    }
    return out;
}

std::string digitsReading(std::string_view digits) {
    const auto point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    std::string out;
    if (whole.size() > 19) {
        for (char c : whole) out += digitWords[static_cast<std::size_t>(c - '0')];
    } else {
        std::uint64_t value = 0;
        for (char c : whole) value = value * 10 + static_cast<std::uint64_t>(c - '0');
        out = numberReading(value);
    }
    if (point == std::string_view::npos) return out;
    out = clippedBeforePoint(out) + "てん";
    for (char c : digits.substr(point + 1))
        if (isAsciiDigit(c)) out += digitWords[static_cast<std::size_t>(c - '0')];
    return out;
}

std::string letterReading(char letter) {
    static constexpr std::array<std::string_view, 26> names = {
        "エー", "ビー", "シー", "ディー", "イー", "エフ", "ジー", "エイチ", "アイ", "ジェー", "ケー", "エル", "エム",
        "エヌ", "オー", "ピー", "キュー", "アール", "エス", "ティー", "ユー", "ブイ", "ダブリュー", "エックス", "ワイ", "ゼット"};
    if (letter >= 'a' && letter <= 'z') return std::string(names[static_cast<std::size_t>(letter - 'a')]);
    if (letter >= 'A' && letter <= 'Z') return std::string(names[static_cast<std::size_t>(letter - 'A')]);
    return std::string(1, letter);
}

std::string lineReading(const ExprLine& line, bool hasDecimalPoint) {
    std::string out;
    for (const Word& w : lineWords(line, hasDecimalPoint)) {
        if (w.kana.empty()) continue;
        if (!out.empty()) out += ' ';
        out += w.kana;
    }
    return out;
}

std::string lineText(const ExprLine& line, bool hasDecimalPoint) {
    std::string out;
    for (const Word& w : lineWords(line, hasDecimalPoint)) out += w.text;
    return out;
}

std::string textReading(std::string_view text) {
    ReadingBuilder out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (const FixedReading* fixed = fixedWordAt(text, i)) {
            out.append(fixed->kana);
            i += fixed->text.size();
            continue;
        }
        if (digitAt(text, i)) {
            std::string number = digitsReading(digitRun(text, i));
            if (text[i] == '/' && digitAt(text, i + 1)) {  // 2/3 as a line's text writes it
                ++i;
                number = digitsReading(digitRun(text, i)) + "ぶんの" + number;
            }
            // A count of steps: いっかい, ろっかい, はっかい, じゅっかい.
            if (text.substr(i).starts_with("回") && !text.substr(i).starts_with("回数"))
                number = clippedBeforePoint(number);
            out.append(number);
            continue;
        }
        const std::string_view rest = text.substr(i);
        // Circled labels ① to ⑳ are the line's number.
        constexpr std::string_view circledOne = "①";
        if (rest.size() >= 3 && rest.substr(0, 2) == circledOne.substr(0, 2)) {
            const int n = static_cast<unsigned char>(rest[2]) - static_cast<unsigned char>(circledOne[2]);
            if (n >= 0 && n < 20) {
                out.append(numberReading(static_cast<std::uint64_t>(n + 1)));
                i += 3;
                continue;
            }
        }
        const char c = text[i];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            out.append(letterReading(c));
            ++i;
            continue;
        }
        const auto symbol = std::find_if(symbolWords.begin(), symbolWords.end(),
                                         [&](const auto& w) { return rest.starts_with(w.first); });
        if (symbol != symbolWords.end()) {
            out.word(symbol->second);
            i += symbol->first.size();
            continue;
        }
        const auto pause = std::find_if(pauses.begin(), pauses.end(), [&](auto p) { return rest.starts_with(p); });
        if (pause != pauses.end()) {
            out.space();
            i += pause->size();
            continue;
        }
        const std::size_t length = std::min(characterLength(static_cast<unsigned char>(c)), text.size() - i);
        out.append(text.substr(i, length));
        i += length;
    }
    return out.result();
}

}  // namespace talvoren

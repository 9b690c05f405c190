// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry_parser.h"

#include <limits>
#include <string>

#include "core/sjis.h"

namespace talvoren {

namespace {

constexpr ExprCell refusalCell{0, 0, CellKind::constant};
constexpr std::size_t maxPartBytes = 4;
constexpr std::size_t maxDecimalBytes = 6;
constexpr std::string_view fractionWord = "分の";

// The pad's text is composed of ASCII characters and the fraction word, so it
// is split as UTF-8 (where no byte of a multibyte character equals an ASCII
// one) and measured over its code-page-932 bytes, where "分の" is four bytes.
std::size_t cp932Length(std::string_view text) {
    return sjis::byteLength(text).value_or(text.size());
}

ExprCell refuse(ExprTables& s, std::string_view text, const char* reason) {
    s.note(std::string(text) + reason);
    return refusalCell;
}

}  // namespace

DigitsValue digitsValue(ExprTables& s, std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            s.note(std::string(digits) + " ←分数の表現があやまりです..");
            return {0, true};
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            s.note(std::string(digits) + " ←数値は４桁以下にしてください");
            return {0, true};
        }
    }
    return {static_cast<std::int32_t>(value), false};
}

ExprCell parseEntry(ExprTables& s, std::string_view text) {
    if (text.empty()) return ZERO;
    if (!sjis::toCp932(text)) {
        s.note("使えない文字があります");
        return refusalCell;
    }
    const char letter = s.unknownLetter;
    const CellKind letterTerm = letterKind(letter);
    const bool hasLetter = isLetter(letterTerm);
    if (hasLetter && text == std::string(1, letter)) return {1, 1, letterTerm};
    if (hasLetter && text == std::string{'-', letter}) return {1, -1, letterTerm};

    std::string_view w = text;
    std::int32_t sign = 1;
    if (w.front() == '-') {
        w.remove_prefix(1);
        sign = -1;
    }
    CellKind k = CellKind::constant;
    if (hasLetter && !w.empty() && w.back() == letter) {
        k = letterTerm;
        w.remove_suffix(1);
    }

    if (const auto point = w.find('.'); point != std::string_view::npos) {
        const std::string_view integer = w.substr(0, point);
        const std::string_view fraction = w.substr(point + 1);
        if (cp932Length(integer) + cp932Length(fraction) > maxDecimalBytes)
            return refuse(s, text, " ←小数の長さが長すぎます");
        const DigitsValue i = digitsValue(s, integer);
        if (i.refused) return refusalCell;
        const DigitsValue f = digitsValue(s, fraction);
        if (f.refused) return refusalCell;
        std::int32_t den = 1;
        for (std::size_t d = 0; d < fraction.size(); ++d) den *= 10;
        return reduce(s, den, (i.value * den + f.value) * sign, k);
    }

    if (const auto word = w.find(fractionWord); word != std::string_view::npos) {
        const std::string_view denominator = w.substr(0, word);
        const std::string_view numerator = w.substr(word + fractionWord.size());
        if (denominator.empty() || numerator.empty())
            return refuse(s, text, " ←分数の表現があやまりです");
        if (cp932Length(denominator) > maxPartBytes || cp932Length(numerator) > maxPartBytes)
            return refuse(s, text, " ←数値は４桁以下にしてください");
        const DigitsValue d = digitsValue(s, denominator);
        if (d.refused) return refusalCell;
        const DigitsValue n = digitsValue(s, numerator);
        if (n.refused) return refusalCell;
        if (d.value == 0) return refuse(s, text, " ←分母が０です");
        return {d.value, n.value * sign, k};  // kept as typed: 4分の2 stays two fourths
    }

    if (w.empty()) return refusalCell;  // a lone "-"
    if (cp932Length(w) > maxPartBytes) return refuse(s, text, " ←数値は４桁以下にしてください");
    const DigitsValue v = digitsValue(s, w);
    if (v.refused) return refusalCell;
    return {1, v.value * sign, k};
}

}  // namespace talvoren

// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/hint_texts.h"

#include <array>
#include <utility>

namespace talvoren {

namespace {

// Spoken as a teacher speaks to a pupil of the first years of secondary
// school: short, polite, one thing at a time.
constexpr std::array<std::pair<HintText, std::string_view>, 32> texts = {{
    {HintText::whereBrackets, "{L}式のかっこをはずしてみましょう。"},
    {HintText::whereTranspose, "{L}式を移項してみましょう。"},
    {HintText::whereCollect, "{L}式の両辺を計算して、整理してみましょう。"},
    {HintText::whereMultiply, "{L}式の両辺に同じ数をかけてみましょう。"},
    {HintText::whereDivide, "{L}式の両辺を同じ数でわってみましょう。"},
    {HintText::whereAdd, "{L}式の両辺に同じ数をたしてみましょう。"},
    {HintText::whereAddTerm, "{L}式の両辺に同じ{X}の項をたしてみましょう。"},
    {HintText::whereSubtract, "{L}式の両辺から同じ数をひいてみましょう。"},
    {HintText::whereSubtractTerm, "{L}式の両辺から同じ{X}の項をひいてみましょう。"},

    {HintText::stepBrackets, "{L}式を選んで［かっこ］を押し、かっこをはずしましょう。"},
    {HintText::stepTranspose, "{L}式を選んで［移項］を押しましょう。{X}の項が左辺に、数の項が右辺に移ります。"},
    {HintText::stepCollect, "{L}式を選んで［整理］を押しましょう。同じ種類の項が一つにまとまります。"},
    {HintText::stepMultiply, "{L}式の両辺に{N}をかけましょう。"},
    {HintText::stepDivide, "{L}式の両辺を{N}でわりましょう。"},
    {HintText::stepAdd, "{L}式の両辺に{N}をたしましょう。"},
    {HintText::stepSubtract, "{L}式の両辺から{N}をひきましょう。"},

    {HintText::whyMultiplyNegative, "負の数をかけると大小が入れかわるので、不等号の向きが変わります。"},
    {HintText::whyDivideNegative, "負の数でわると大小が入れかわるので、不等号の向きが変わります。"},

    {HintText::setUp, "式と操作を入力しておきました。確かめてから［実行］を押しましょう。"},

    {HintText::numbersCompare,
     "{L}式は{X}がなくなり、数だけの不等式です。左辺の{A}と右辺の{B}をくらべて、{A}{R}{B} が正しければ「解は無数にある」、"
     "正しくなければ「解なし」です。"},
    {HintText::numbersTrue, "{A}{R}{B} は正しいので、{X}がどんな数でも成り立ちます。答えは「解は無数にある」です。"},
    {HintText::numbersFalse, "{A}{R}{B} は正しくないので、成り立つ{X}はありません。答えは「解なし」です。"},
    {HintText::numbersSetUp, "{L}式を整理する操作を入力しておきました。［実行］を押すと、もう一度答えを選べます。"},
    {HintText::answerShape, "{L}式は、もう答えの形になっています。"},
    {HintText::answerShapeStep, "{L}式を選んで［整理］を押し、答えになっているか確かめましょう。"},
    {HintText::answerShapeSetUp, "{L}式を整理する操作を入力しておきました。［実行］を押しましょう。"},

    {HintText::noPlan, "このページの残りの行では解ききれません。［訂正］で式を消して、やり直してみましょう。"},

    {HintText::turnedByMultiplying, "負の数をかけたので、不等号の向きが変わりました。"},
    {HintText::turnedByDividing, "負の数でわったので、不等号の向きが変わりました。"},

    {HintText::statusSolved, "{S}回の操作で解けました"},
    {HintText::statusSolvedShortest, "{S}回の操作で解けました（最短は{M}回）"},
    {HintText::statusHintsUsed, "　ヒントを{H}回使いました"},
}};

std::string_view rawText(HintText which) {
    for (const auto& [key, text] : texts)
        if (key == which) return text;
    return {};
}

}  // namespace

std::string hintText(HintText which, const HintFields& fields) {
    const std::string_view raw = rawText(which);
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '{' && i + 2 < raw.size() && raw[i + 2] == '}') {
            if (const auto field = fields.find(raw[i + 1]); field != fields.end()) {
                out += field->second;
                i += 2;
                continue;
            }
        }
        out += raw[i];
    }
    return out;
}

}  // namespace talvoren

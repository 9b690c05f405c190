// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions no teacher means as written: each must be refused, wherever a
// question is read, with the reason the teacher is shown.

#include <ostream>
#include <string>
#include <vector>

namespace talvoren::test {

struct MalformedQuestion {
    const char* name;
    std::string text;
    std::string why;  // refusalDescription: the reason and the character to blame
};

inline void PrintTo(const MalformedQuestion& m, std::ostream* os) { *os << m.text; }

inline const std::vector<MalformedQuestion>& malformedQuestions() {
    static const std::vector<MalformedQuestion> rows{
        {"SignBeforeRelation", "2x+<3", "符号（+ や -）の後に項がありません（4文字目）"},
        {"SignBeforeLessEqual", "2x-<=3", "符号（+ や -）の後に項がありません（4文字目）"},
        {"SignAtEnd", "x<3-", "符号（+ や -）の後に項がありません"},
        {"PlusAtEnd", "x<3+", "符号（+ や -）の後に項がありません"},
        {"SignBeforeClosing", "2(x-)<3", "符号（+ や -）の後に項がありません（5文字目）"},
        {"SignAlone", "-<3x", "符号（+ や -）の後に項がありません（2文字目）"},
        {"SignThenStray", "2x+#<3", "符号（+ や -）の後に項がありません（5文字目）"},
        {"UnclosedAtRelation", "2(x+1<3", "かっこが閉じていません（6文字目）"},
        {"UnclosedAtEnd", "x<2(x+1", "かっこが閉じていません"},
        {"RelationInBrackets", "(x<3)", "かっこが閉じていません（3文字目）"},
        {"Unopened", "2x+1)<3", "閉じかっこに対応する開きかっこがありません（5文字目）"},
        {"UnopenedRight", "x<3)", "閉じかっこに対応する開きかっこがありません（4文字目）"},
        {"Mismatched", "(x+1]<3", "開きかっこと閉じかっこの種類がちがいます（5文字目）"},
        {"EmptyBrackets", "()<x", "かっこの中に式がありません（2文字目）"},
        {"EmptyFactorBrackets", "2()+x<1", "かっこの中に式がありません（3文字目）"},
        {"EmptyLeft", "<3x", "不等号の左側に式がありません（1文字目）"},
        {"EmptyRight", "2x<", "不等号の右側に式がありません"},
        {"EmptyRightLessEqual", "2x>=", "不等号の右側に式がありません"},
        {"TwoRelations", "x<1<2", "不等号が2つ以上あります"},
        {"NoRelation", "x+1", "不等号（< か >）がありません"},
        {"NoLetter", "1<2", "文字（x など）がありません"},
        {"SecondLetter", "2x+3y<1", "文字が2種類以上あります（使える文字は1つです）（5文字目）"},
        {"LoneEquals", "x=1", "＝は < や > のすぐ後にだけ書けます（<= や >=）（2文字目）"},
        {"DoubleSign", "x+-3<1", "符号が2つ続いています（3文字目）"},
        {"ZeroDenominator", "x<1/0", "分母が0です（3文字目）"},
        {"EmptyDenominator", "x<2/", "分数か小数の書き方がまちがっています（/ や . の後に数字がありません）（3文字目）"},
        {"EmptyDecimals", "x<2.", "分数か小数の書き方がまちがっています（/ や . の後に数字がありません）（3文字目）"},
        {"PointWithoutDigits", "x<.5", "小数点の前に数字がありません（3文字目）"},
        {"SecondPoint", "1.2.3x<1", "小数点の前に数字がありません（4文字目）"},
        {"SlashWithoutNumber", "x</3", "／の前に数字か文字がありません（3文字目）"},
        {"SlashAfterBracket", "(x+1)/2<3", "／の前に数字か文字がありません（6文字目）"},
        {"BarWithoutNumber", "x<|3", "｜の前に数字がありません（3文字目）"},
        {"NumberAfterNumber", "3 4x<1", "数字が2つ続いています（間に符号がありません）（3文字目）"},
        {"StarBetweenNumbers", "2*3x<1", "数字が2つ続いています（間に符号がありません）（3文字目）"},
        {"LetterDividedByNothing", "x/<3", "文字の後の／の後には整数を書いてください（x/6 など）（2文字目）"},
        {"LetterDividedByFraction", "x/6/2<1", "文字の後の／の後には整数を書いてください（x/6 など）（2文字目）"},
        {"LetterDividedByDecimal", "x/1.5<3", "文字の後の／の後には整数を書いてください（x/6 など）（2文字目）"},
        {"LetterDividedByZero", "x/0<3", "0でわることはできません（2文字目）"},
        {"SixDigits", "123456x<1", "数字は5けたまでです（1文字目）"},
        {"SixDecimalDigits", "0.12345x<1", "小数は整数部と小数部を合わせて5けたまでです（1文字目）"},
        {"DigitAfterLetter", "2x3<1", "文字やかっこのすぐ後に数字があります（3文字目）"},
        {"LetterAfterLetter", "xx<1", "文字やかっこのすぐ後に文字があります（2文字目）"},
        {"BracketAfterLetter", "x(x+1)<2", "文字やかっこのすぐ後にかっこがあります（2文字目）"},
        {"PeerCaseUnclosed", "9.5j/6+5.5j>=3(5j-2", "かっこが閉じていません"},
        {"FullWidthPlus", "2x＋3<5", "全角の文字があります（半角で書いてください）（3文字目）"},
    };
    return rows;
}

}  // namespace talvoren::test

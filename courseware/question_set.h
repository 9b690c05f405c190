// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question set: its text (the lines of the file, as the editor shows
// them), the unit tables built from that text, and reading and writing the
// file. A file is a run of units, each "<<" + title, one to seven question
// lines and ">>", at most ten units, code page 932 on disk.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "courseware/file_io.h"

namespace talvoren {

inline constexpr int maxUnits = 10;
inline constexpr int maxUnitQuestions = 7;
inline constexpr const char* defaultQuestionSetName = "Question.ine";
// Ten units of seven questions fit in a few kilobytes; anything near these
// bounds is not a question set.
inline constexpr ReadLimit questionSetReadLimit{1 << 20, 10000};
// "ファイルが大きすぎます（1 MB、10000行まで）"
std::string questionSetTooLargeText();

using UnitPositions = std::array<int, maxUnits + 1>;

// Which unit is current and where each unit stands: what a cancelled unit
// choice puts back.
struct UnitPlace {
    int currentUnit = 1;
    UnitPositions unitPosition{};
};

struct QuestionSetParse;

// The question set's program-wide state, one instance per session: the
// set's text (the lines of the file, as the editor shows them), the unit
// tables read from it, the current unit and each unit's question, the file
// and whether it is saved, the working and record folders, and the backup
// taken before the set is changed. Units and questions are numbered from 1;
// index 0 is unused. Others read it; it changes only through the
// operations below.
class CoursewareState {
public:
    using Titles = std::array<std::string, maxUnits + 1>;
    using Questions = std::array<std::array<std::string, maxUnitQuestions + 1>, maxUnits + 1>;
    using Counts = std::array<int, maxUnits + 1>;
    using QuestionLines = std::array<std::array<int, maxUnitQuestions + 1>, maxUnits + 1>;

    CoursewareState() { unitPosition_.fill(1); }

    // ---- what the set holds ----------------------------------------------
    const std::vector<std::string>& questionSetText() const { return text_; }  // UTF-8, one entry per line
    const Titles& unitTitles() const { return titles_; }
    const Questions& unitQuestions() const { return questions_; }
    const Counts& unitQuestionCount() const { return questionCount_; }  // 0 while a unit has no ">>"
    // Where each question stands in the text (1-based line numbers).
    const QuestionLines& unitQuestionLine() const { return questionLine_; }
    int unitCount() const { return unitCount_; }  // of the last successful reading

    // ---- where the pupil is ----------------------------------------------
    int currentUnit() const { return currentUnit_; }
    const UnitPositions& unitPosition() const { return unitPosition_; }
    UnitPlace place() const { return {currentUnit_, unitPosition_}; }

    // ---- the file and the folders ------------------------------------------
    const std::string& questionSetPath() const { return path_; }
    bool questionSetSaved() const { return saved_; }
    const std::string& appDir() const { return appDir_; }        // the working directory, with a final "/"
    const std::string& recordDir() const { return recordDir_; }  // the practice record's, with a final "/"
    bool hasBackup() const { return backup_.has_value(); }

    // ---- operations --------------------------------------------------------
    // A new text (a file's lines, the editor's accepted text); the unit
    // tables are read from it by parseQuestionSetText.
    void setText(std::vector<std::string> lines) { text_ = std::move(lines); }
    void setPath(std::string path) { path_ = std::move(path); }
    void setSaved(bool saved) { saved_ = saved; }
    void setFolders(std::string appDir, std::string recordDir) {
        appDir_ = std::move(appDir);
        recordDir_ = std::move(recordDir);
    }
    // The first question of the first unit, every unit at its first question.
    void startAtFirstUnit();
    // The unit chosen in the unit dialog, at the question marked there.
    void chooseUnit(int unit, int position);
    // Puts back a place taken before (a unit choice refused after all).
    void returnTo(const UnitPlace& place);
    // The current unit's next question; false at its last.
    bool advanceInUnit();

    // Taken before a file is opened or the set edited, so that a failed or
    // cancelled change can be undone.
    void backUp();
    // Puts back the backed-up text, unit and positions and reads the unit
    // tables from that text again. Nothing happens without a backup.
    void restore(MessageSink& messages);
    void dropBackup() { backup_.reset(); }

    // Reads the unit tables from the text (see parseQuestionSetText).
    QuestionSetParse readUnits(MessageSink& messages);

private:
    struct Backup {
        std::vector<std::string> text;
        UnitPlace place;
    };

    std::vector<std::string> text_;
    Titles titles_{};
    Questions questions_{};
    Counts questionCount_{};
    QuestionLines questionLine_{};
    int unitCount_ = 0;
    int currentUnit_ = 1;
    UnitPositions unitPosition_{};
    std::string path_;
    bool saved_ = true;
    std::string appDir_;
    std::string recordDir_;
    std::optional<Backup> backup_;
};

// How many units the unit and record lists show: from unit 1 up to the
// first empty title, at most ten.
int listedUnitCount(const CoursewareState& s);

// The working directory followed by "/".
std::string workingDirectory();

// Fills the question-set text from the file (its lines one for one) and sets
// questionSetPath, also when the read fails. On failure the text is left as
// it was.
ReadStatus readQuestionSetFile(CoursewareState& s, const std::string& path);

// The message of a failed read, before fatalErrorText adds the error code:
// the path followed by ":FileNot Exists", ":File Can't Load" or, for a file
// beyond the bounds, ":" and questionSetTooLargeText().
std::string readFailureText(const std::string& path, ReadStatus status);

// The start-up message of a set refused by its structure or its first
// question, before fatalErrorText adds the error code: the path, the line
// where reading stopped (none for a set without units) and ":問題が不正です",
// e.g. "/q/Question.ine:5行目:問題が不正です".
std::string refusedSetText(const std::string& path, int line);

// text, the decimal parseError and ":致命的なエラーです".
std::string fatalErrorText(const std::string& text, int parseError);

// Nothing but spaces and tabs (half or full width), or nothing at all: what
// editors leave between units and at the end of a file. Such lines are
// ignored between units, refused inside one, and never written.
bool isBlankLine(std::string_view line);
// "N行目が空の行です。単元の中（<<から>>まで）には空の行を置けません"
std::string blankLineInUnitText(int line);

struct QuestionSetParse {
    bool ok = false;
    // Refused: the 1-based line where reading stopped; 0 when the text has
    // no unit at all.
    int stopLine = 0;
    // Refused: why, in words a teacher reads.
    std::string stopReason;
    // Every unit was closed by its own ">>" (loading accepts a unit without
    // one as a unit of no questions; the editor's check does not).
    bool everyUnitClosed = false;
    // The "<<" line of the first unit not closed by its own ">>"; 0 when none.
    int unclosedUnitLine = 0;
};

// Builds the unit tables from the question-set text. Too many units or
// questions and a blank line inside a unit are reported through the sink;
// every other fault is silent. A text without units is refused.
QuestionSetParse parseQuestionSetText(CoursewareState& s, MessageSink& messages);
bool parseQuestionSet(CoursewareState& s, MessageSink& messages);

enum class WriteStatus { ok, unencodable, failed };
struct WriteResult {
    WriteStatus status = WriteStatus::ok;
    int badLine = 0;    // unencodable: the 1-based line with no code-page-932 form
    std::string badCharacter;  // unencodable: the first character of it with none
    std::string error;  // failed: why
};

// Writes the question-set text to path (code page 932, every line ending
// CR LF, blank lines left out), replacing the file atomically.
WriteResult writeQuestionSetFile(const CoursewareState& s, const std::string& path,
                                 FileSystemCalls& calls = systemFileCalls());
// The message shown for a write that failed.
std::string writeFailureText(const std::string& path, const WriteResult& result);


}  // namespace talvoren

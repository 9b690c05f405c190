// SPDX-License-Identifier: GPL-3.0-or-later
// The exports of a logged lesson, checked against the DataShop import
// columns' rules and the xAPI 1.0.3 statement rules; no pupil's name leaves.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "json_value.h"
#include "tools/driver.h"

namespace fs = std::filesystem;

namespace talvoren::driver {
namespace {

using test::Json;

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.push_back("");
    return parts;
}

class DriverExport : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "talvoren-export-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        root_ = pattern;
        const fs::path home = fs::current_path();
        fs::current_path(root_);
        for (const char* pupil : {"佐藤", "鈴木"}) {
            std::ofstream(root_ / "lesson.play")
                << "records records\npupil " << pupil << "\nselfwrite on\nclock 1765238400\nquestion -2x<4\n"
                << "press btnHint\npress btnShiki1\npress btnWaru\npress btnMinus\npress btn2\npress btnJikkou\n"
                << "write x<-2\nwrite x>-2\npress btnJikkou\n";
            std::ostringstream out, err;
            cmdPlay({(root_ / "lesson.play").string()}, out, err);
        }
        fs::current_path(home);
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string exported(const std::string& format) {
        std::ostringstream out, err;
        EXPECT_EQ(cmdExport({format, (root_ / "records").string()}, out, err), 0) << err.str();
        for (const char* name : {"佐藤", "鈴木"}) EXPECT_EQ(out.str().find(name), std::string::npos) << name;
        return out.str();
    }
    fs::path root_;
};

// The import format's column rules: required columns, sizes, value sets.
TEST_F(DriverExport, DataShopFileKeepsTheColumnRules) {
    const std::vector<std::string> rows = splitOn(exported("datashop"), '\n');
    ASSERT_GT(rows.size(), 3u);
    const std::vector<std::string> header = splitOn(rows[0], '\t');
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < header.size(); ++i) column[header[i]] = i;
    for (const char* required : {"Anon Student Id", "Session Id", "Time", "Problem Name", "Step Name", "Outcome",
                                 "Selection", "Action", "Input", "Help Level", "KC (Default)"})
        EXPECT_TRUE(column.count(required)) << required;
    EXPECT_TRUE(std::any_of(header.begin(), header.end(), [](const std::string& h) {
        return std::regex_match(h, std::regex(R"(Level \(.+\))"));
    }));
    const std::regex time(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})");
    const struct {
        const char* column;
        std::regex allowed;
    } rules[] = {
        {"Anon Student Id", std::regex(R"([^\t]{1,55})")},
        {"Session Id", std::regex(R"([^\t]{1,255})")},
        {"Problem Name", std::regex(R"([^\t]{1,255})")},
        {"Outcome", std::regex("|CORRECT|INCORRECT|HINT")},
        {"Student Response Type", std::regex("ATTEMPT|HINT_REQUEST")},
        {"Tutor Response Type", std::regex("RESULT|HINT_MSG")},
        {"Help Level", std::regex(R"(|\d+)")},
    };
    std::set<std::string> students;
    for (std::size_t r = 1; r + 1 < rows.size(); ++r) {
        const std::vector<std::string> fields = splitOn(rows[r], '\t');
        ASSERT_EQ(fields.size(), header.size()) << "row " << r;
        EXPECT_TRUE(std::regex_match(fields[column["Time"]], time)) << rows[r];
        for (const auto& rule : rules)
            EXPECT_TRUE(std::regex_match(fields[column[rule.column]], rule.allowed)) << rule.column << ": " << rows[r];
        students.insert(fields[column["Anon Student Id"]]);
    }
    EXPECT_EQ(students.size(), 2u) << "one id per pupil";
    EXPECT_EQ(rows.back(), "");
}

bool isIri(const Json& v) {
    return v.type == Json::Type::string && std::regex_match(v.text, std::regex(R"([a-zA-Z][a-zA-Z0-9+.-]*:[^\s]+)"));
}

bool isLanguageMap(const Json& v) {
    if (v.type != Json::Type::object || v.members.empty()) return false;
    for (const auto& [tag, text] : v.members)
        if (!std::regex_match(tag, std::regex(R"([a-zA-Z]{2,3}(-[a-zA-Z0-9]{1,8})*)")) ||
            text.type != Json::Type::string)
            return false;
    return true;
}

bool extensionsValid(const Json& v) {
    if (v.type != Json::Type::object) return false;
    for (const auto& [key, value] : v.members) {
        Json iri;
        iri.type = Json::Type::string;
        iri.text = key;
        if (!isIri(iri)) return false;
    }
    return true;
}

// The xAPI 1.0.3 statement rules that the exported statements touch.
std::vector<std::string> statementProblems(const Json& s) {
    std::vector<std::string> problems;
    const auto check = [&](bool ok, const char* rule) {
        if (!ok) problems.push_back(rule);
    };
    const std::set<std::string> known = {"id", "actor", "verb", "object", "result", "context", "timestamp",
                                         "stored", "authority", "version", "attachments"};
    for (const auto& [key, value] : s.members) check(known.count(key) != 0, "unknown property");
    check(!s.has("id") || std::regex_match(s.at("id").text, std::regex(
                              "[0-9a-f]{8}-[0-9a-f]{4}-[1-5][0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}")),
          "id is a UUID");
    check(s.has("actor") && s.has("verb") && s.has("object"), "actor, verb and object");
    if (!problems.empty()) return problems;
    const Json& actor = s.at("actor");
    check(!actor.has("objectType") || actor.at("objectType").text == "Agent", "actor is an Agent");
    int ifis = 0;
    for (const char* ifi : {"mbox", "mbox_sha1sum", "openid", "account"}) ifis += actor.has(ifi) ? 1 : 0;
    check(ifis == 1, "exactly one inverse functional identifier");
    if (actor.has("account")) {
        const Json& account = actor.at("account");
        check(account.has("homePage") && std::regex_match(account.at("homePage").text, std::regex("https?://.+")),
              "account homePage is an IRL");
        check(account.has("name") && account.at("name").type == Json::Type::string, "account name");
    }
    const Json& verb = s.at("verb");
    check(verb.has("id") && std::regex_match(verb.at("id").text,
                                             std::regex("http://adlnet.gov/expapi/verbs/"
                                                        "(attempted|answered|completed|interacted)")),
          "an ADL verb id");
    check(!verb.has("display") || isLanguageMap(verb.at("display")), "verb display is a language map");
    const Json& object = s.at("object");
    check(!object.has("objectType") || object.at("objectType").text == "Activity", "object is an Activity");
    check(object.has("id") && isIri(object.at("id")), "activity id is an IRI");
    if (object.has("definition")) {
        const Json& d = object.at("definition");
        check(!d.has("name") || isLanguageMap(d.at("name")), "definition name is a language map");
        check(!d.has("type") || isIri(d.at("type")), "definition type is an IRI");
    }
    if (s.has("result")) {
        const Json& r = s.at("result");
        for (const char* flag : {"success", "completion"})
            check(!r.has(flag) || r.at(flag).type == Json::Type::boolean, "result flags are booleans");
        check(!r.has("response") || r.at("response").type == Json::Type::string, "response is a string");
        check(!r.has("extensions") || extensionsValid(r.at("extensions")), "result extension keys are IRIs");
    }
    if (s.has("context"))
        check(!s.at("context").has("extensions") || extensionsValid(s.at("context").at("extensions")),
              "context extension keys are IRIs");
    check(!s.has("timestamp") || std::regex_match(s.at("timestamp").text,
                                                  std::regex(R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(\.\d+)?(Z|[+-]\d{2}:\d{2}))")),
          "timestamp is ISO 8601");
    return problems;
}

TEST_F(DriverExport, EveryXapiStatementKeepsTheStatementRules) {
    const std::vector<std::string> lines = splitOn(exported("xapi"), '\n');
    ASSERT_GT(lines.size(), 3u);
    std::set<std::string> verbs, ids;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const auto statement = test::JsonReader::read(lines[i]);
        ASSERT_TRUE(statement) << lines[i];
        const std::vector<std::string> problems = statementProblems(*statement);
        EXPECT_TRUE(problems.empty()) << problems.front() << ": " << lines[i];
        verbs.insert(statement->at("verb").at("id").text);
        ids.insert(statement->at("id").text);
    }
    EXPECT_EQ(ids.size(), lines.size() - 1) << "statement ids are unique";
    EXPECT_EQ(verbs.size(), 4u);
}

TEST(JsonValidator, RefusesBrokenStatements) {
    const struct {
        const char* name;
        const char* statement;
    } cases[] = {
        {"two identifiers", R"({"actor":{"mbox":"mailto:a@b","account":{"homePage":"https://s","name":"p"}},"verb":{"id":"http://adlnet.gov/expapi/verbs/answered"},"object":{"id":"urn:x:1"}})"},
        {"verb not ADL", R"({"actor":{"account":{"homePage":"https://s","name":"p"}},"verb":{"id":"urn:v"},"object":{"id":"urn:x:1"}})"},
        {"object id not an IRI", R"({"actor":{"account":{"homePage":"https://s","name":"p"}},"verb":{"id":"http://adlnet.gov/expapi/verbs/answered"},"object":{"id":"question 1"}})"},
        {"bad timestamp", R"({"actor":{"account":{"homePage":"https://s","name":"p"}},"verb":{"id":"http://adlnet.gov/expapi/verbs/answered"},"object":{"id":"urn:x:1"},"timestamp":"yesterday"})"},
    };
    for (const auto& c : cases) {
        const auto statement = test::JsonReader::read(c.statement);
        ASSERT_TRUE(statement) << c.name;
        EXPECT_FALSE(statementProblems(*statement).empty()) << c.name;
    }
}

}  // namespace
}  // namespace talvoren::driver

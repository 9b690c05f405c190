// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/class_export.h"

#include <cctype>
#include <cstdio>
#include <ctime>

#include "courseware/keyed_id.h"

namespace talvoren {

namespace {

struct Outcome {
    const char* studentResponse;
    const char* tutorResponse;
    const char* outcome;
    std::string subtype;
};

Outcome outcomeOf(const ClassEvent& e) {
    switch (e.kind) {
    case EventKind::start: return {"ATTEMPT", "RESULT", "", "start"};
    case EventKind::step: return {"ATTEMPT", "RESULT", "CORRECT", "step"};
    case EventKind::detour: return {"ATTEMPT", "RESULT", "CORRECT", "detour"};
    case EventKind::refused: return {"ATTEMPT", "RESULT", "INCORRECT", "refused"};
    case EventKind::hint: return {"HINT_REQUEST", "HINT_MSG", "HINT", "hint"};
    case EventKind::verdict: return {"ATTEMPT", "RESULT", e.code == "right" ? "CORRECT" : "INCORRECT", e.code};
    case EventKind::solved: return {"ATTEMPT", "RESULT", "CORRECT", "solved"};
    case EventKind::mastery: break;  // not exported
    }
    return {"ATTEMPT", "RESULT", "", ""};
}

// The skill a step practises, named as the operations are.
std::string skillOf(const std::string& operation) {
    if (operation.empty()) return "";
    switch (operation[0]) {
    case '*': return "multiply-both-sides";
    case '/': return "divide-both-sides";
    case '+': return "add-to-both-sides";
    case '-': return "subtract-from-both-sides";
    case 'S': return "collect-terms";
    case 'I': return "transpose";
    case 'K': return "remove-brackets";
    }
    return "";
}

// A field may hold no tab or line break.
std::string flat(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string dateOf(std::int64_t seconds) { return utcTimeText(seconds).substr(0, 10); }

std::string sessionId(const ClassEvent& e, const std::string& key) {
    // One pupil at one machine on one day is one session.
    return "s" + hmacSha256Hex(key, e.pupil + '\t' + e.machine + '\t' + dateOf(e.time)).substr(0, 16);
}

std::string problemName(const ClassEvent& e) {
    return flat(e.set + " " + std::to_string(e.unit) + "." + std::to_string(e.question) + " " + e.questionText);
}

std::string json(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// An IRI path segment: unreserved ASCII kept, everything else percent-encoded.
std::string iriSegment(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            char encoded[4];
            std::snprintf(encoded, sizeof encoded, "%%%02X", byte);
            out += encoded;
        }
    }
    return out;
}

// A UUID made from the event, so that exporting twice gives the same ids.
std::string statementId(const ClassEvent& e, const std::string& key) {
    std::string h = hmacSha256Hex(key, classLogLine(e)).substr(0, 32);
    h[12] = '4';
    h[16] = "89ab"[std::stoi(h.substr(16, 1), nullptr, 16) & 3];
    return h.substr(0, 8) + "-" + h.substr(8, 4) + "-" + h.substr(12, 4) + "-" + h.substr(16, 4) + "-" + h.substr(20);
}

constexpr const char* adlVerbs = "http://adlnet.gov/expapi/verbs/";

}  // namespace

std::string utcTimeText(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

const std::vector<std::string>& dataShopColumns() {
    static const std::vector<std::string> columns = {
        "Anon Student Id", "Session Id", "Time",   "Time Zone", "Student Response Type", "Student Response Subtype",
        "Tutor Response Type", "Level (Unit)", "Problem Name", "Step Name", "Outcome", "Selection",
        "Action", "Input", "Feedback Text", "Help Level", "KC (Default)"};
    return columns;
}

bool isExported(const ClassEvent& e) { return e.kind != EventKind::mastery; }

std::vector<std::string> dataShopRow(const ClassEvent& e, const std::string& key) {
    const Outcome o = outcomeOf(e);
    const bool hint = e.kind == EventKind::hint;
    return {pupilExportId(key, e.pupil),
            sessionId(e, key),
            utcTimeText(e.time),
            "UTC",
            o.studentResponse,
            flat(o.subtype),
            o.tutorResponse,
            flat(e.set + " " + std::to_string(e.unit)),
            problemName(e),
            "line " + std::to_string(e.line),
            o.outcome,
            "line " + std::to_string(e.line),
            e.operation.empty() ? std::string(eventKindName(e.kind)) : flat(e.operation),
            flat(e.kind == EventKind::verdict ? e.text : e.number),
            flat(e.kind == EventKind::refused || hint ? e.text : ""),
            hint ? e.code : "",
            skillOf(e.operation)};
}

std::string xapiStatement(const ClassEvent& e, const std::string& key, const std::string& homePage) {
    const char* verb = e.kind == EventKind::start    ? "attempted"
                       : e.kind == EventKind::solved ? "completed"
                       : e.kind == EventKind::hint   ? "interacted"
                                                     : "answered";
    const std::string activity = "urn:talvoren:question:" + iriSegment(e.set) + ":" + std::to_string(e.unit) + ":" +
                                 std::to_string(e.question);
    std::string result;
    if (e.kind == EventKind::solved) {
        result = R"(,"result":{"completion":true,"success":true,"extensions":{"urn:talvoren:steps":)" +
                 std::to_string(e.steps) + R"(,"urn:talvoren:shortest":)" + std::to_string(e.shortest) + "}}";
    } else if (e.kind != EventKind::start && e.kind != EventKind::hint) {
        const bool success = e.kind == EventKind::step || e.kind == EventKind::detour || e.code == "right";
        const std::string response = e.kind == EventKind::verdict ? e.text : e.operation + e.number;
        result = std::string(R"(,"result":{"success":)") + (success ? "true" : "false") +
                 R"(,"response":)" + json(response) + "}";
    }
    std::string extensions = R"({"urn:talvoren:event":)" + json(eventKindName(e.kind)) +
                             R"(,"urn:talvoren:line":)" + std::to_string(e.line);
    if (!e.code.empty()) extensions += R"(,"urn:talvoren:code":)" + json(e.code);
    extensions += "}";
    std::string time = utcTimeText(e.time);
    time[10] = 'T';
    return R"({"id":)" + json(statementId(e, key)) + R"(,"actor":{"objectType":"Agent","account":{"homePage":)" +
           json(homePage) + R"(,"name":)" + json(pupilExportId(key, e.pupil)) + R"(}},"verb":{"id":)" +
           json(std::string(adlVerbs) + verb) + R"(,"display":{"en-US":)" + json(verb) +
           R"(}},"object":{"objectType":"Activity","id":)" + json(activity) +
           R"(,"definition":{"name":{"ja-JP":)" + json(e.questionText) +
           R"(},"type":"http://adlnet.gov/expapi/activities/question"}})" + result +
           R"(,"context":{"extensions":)" + extensions + R"(},"timestamp":)" + json(time + "Z") + "}";
}

}  // namespace talvoren

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small JSON reader for checking exported statements: objects, arrays,
// strings (escapes kept as written), numbers, true, false, null.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvoren::test {

struct Json {
    enum class Type { object, array, string, number, boolean, null } type = Type::null;
    std::map<std::string, Json> members;
    std::vector<Json> items;
    std::string text;  // a string's content, a number's digits, "true"/"false"
    bool has(const std::string& key) const { return members.count(key) != 0; }
    const Json& at(const std::string& key) const { return members.at(key); }
};

class JsonReader {
public:
    // The value of the whole text; nothing when it is not exactly one JSON value.
    static std::optional<Json> read(std::string_view text) {
        JsonReader r{text};
        Json value;
        if (!r.value(value)) return std::nullopt;
        r.space();
        if (r.at_ != text.size()) return std::nullopt;
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : s_(text) {}
    void space() {
        while (at_ < s_.size() && std::string_view(" \t\r\n").find(s_[at_]) != std::string_view::npos) ++at_;
    }
    bool take(char c) {
        space();
        if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
        return false;
    }
    bool string(std::string& out) {
        if (!take('"')) return false;
        while (at_ < s_.size() && s_[at_] != '"') {
            if (static_cast<unsigned char>(s_[at_]) < 0x20) return false;
            if (s_[at_] == '\\') out += s_[at_++];
            if (at_ < s_.size()) out += s_[at_++];
        }
        return at_ < s_.size() && s_[at_++] == '"';
    }
    bool value(Json& v) {
        space();
        if (at_ >= s_.size()) return false;
        const char c = s_[at_];
        if (c == '{') {
            v.type = Json::Type::object;
            ++at_;
            if (take('}')) return true;
            do {
                std::string key;
                Json member;
                if (!string(key) || !take(':') || !value(member) || v.members.count(key)) return false;
                v.members.emplace(std::move(key), std::move(member));
            } while (take(','));
            return take('}');
        }
        if (c == '[') {
            v.type = Json::Type::array;
            ++at_;
            if (take(']')) return true;
            do {
                v.items.emplace_back();
                if (!value(v.items.back())) return false;
            } while (take(','));
            return take(']');
        }
        if (c == '"') return v.type = Json::Type::string, string(v.text);
        for (const char* word : {"true", "false", "null"}) {
            if (s_.substr(at_).starts_with(word)) {
                v.type = word[0] == 'n' ? Json::Type::null : Json::Type::boolean;
                v.text = word;
                at_ += std::string_view(word).size();
                return true;
            }
        }
        const std::size_t start = at_;
        while (at_ < s_.size() && std::string_view("+-.0123456789eE").find(s_[at_]) != std::string_view::npos) ++at_;
        v.type = Json::Type::number;
        v.text = std::string(s_.substr(start, at_ - start));
        return at_ > start;
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

}  // namespace talvoren::test

#include "json_value.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace corvane::gerg::test {

const JsonValue& JsonValue::operator[](const std::string& key) const {
  const auto found = members.find(key);
  if (kind != kObject || found == members.end()) throw std::runtime_error("JSON: no member " + key);
  return found->second;
}

double JsonValue::Number() const {
  if (kind != kNumber) throw std::runtime_error("JSON: not a number");
  return number;
}

const std::string& JsonValue::Text() const {
  if (kind != kString) throw std::runtime_error("JSON: not a string");
  return text;
}

namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    Space();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON at " + std::to_string(at_) + ": " + what);
  }
  void Space() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
      ++at_;
  }
  bool Take(char c) {
    Space();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Take(c)) Fail(std::string("expected ") + c);
  }
  bool Word(const char* word) {
    const std::string w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\') {
        if (at_ >= text_.size()) Fail("unfinished escape");
        const char e = text_[at_++];
        switch (e) {
          case '"': case '\\': case '/': c = e; break;
          case 'n': c = '\n'; break;
          case 't': c = '\t'; break;
          case 'r': c = '\r'; break;
          case 'b': c = '\b'; break;
          case 'f': c = '\f'; break;
          default: Fail("an escape this reader does not know");
        }
      }
      out += c;
    }
    Expect('"');
    return out;
  }

  JsonValue Value() {
    Space();
    if (at_ >= text_.size()) Fail("no value");
    JsonValue v;
    const char c = text_[at_];
    if (c == '{') {
      v.kind = JsonValue::kObject;
      ++at_;
      if (Take('}')) return v;
      do {
        Space();
        const std::string key = String();
        Expect(':');
        v.members[key] = Value();
      } while (Take(','));
      Expect('}');
    } else if (c == '[') {
      v.kind = JsonValue::kArray;
      ++at_;
      if (Take(']')) return v;
      do v.items.push_back(Value());
      while (Take(','));
      Expect(']');
    } else if (c == '"') {
      v.kind = JsonValue::kString;
      v.text = String();
    } else if (Word("true") || Word("false")) {
      v.kind = JsonValue::kBool;
      v.boolean = c == 't';
    } else if (Word("null")) {
      v.kind = JsonValue::kNull;
    } else {
      v.kind = JsonValue::kNumber;
      const char* begin = text_.data() + at_;
      const char* end = text_.data() + text_.size();
      if (*begin == '+') Fail("a number with a plus sign");
      const auto [stop, error] = std::from_chars(begin, end, v.number);
      if (error != std::errc() || stop == begin) Fail("not a value");
      at_ += static_cast<std::size_t>(stop - begin);
    }
    return v;
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace

JsonValue ParseJson(const std::string& text) { return Parser(text).Document(); }

JsonValue ReadJsonFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::stringstream text;
  text << in.rdbuf();
  return ParseJson(text.str());
}

}  // namespace corvane::gerg::test

// Just enough JSON to read the model's parameters file: objects, arrays,
// strings, numbers (read to the nearest double, as a C++ literal of the
// same text is), true, false, null.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace corvane::gerg::test {

struct JsonValue {
  enum Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  bool Has(const std::string& key) const { return members.count(key) != 0; }
  // Throw std::runtime_error when the member is missing or of another kind.
  const JsonValue& operator[](const std::string& key) const;
  double Number() const;
  const std::string& Text() const;
};

// Throws std::runtime_error at anything malformed.
JsonValue ParseJson(const std::string& text);
JsonValue ReadJsonFile(const std::string& path);

}  // namespace corvane::gerg::test

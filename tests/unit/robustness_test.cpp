// Robustness of the whole calculator through corvane-cli's script runner:
// deterministic pseudo-random scripts over every command and name, with
// pathological texts and file names. Every script must end, must not crash
// (these tests also run under the address and undefined-behaviour
// sanitizers), and what it prints and leaves on disk must be what the
// script language and the dialog promise.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/script_runner.h"
#include "res/dialogs.h"
#include "res/messages.h"
#include "temp_dir.h"
#include "text/number_text.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Ends the test program when a script runs past its time, naming the
// script, so a hang shows as a failure of its own rather than a timeout.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : thread_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!done_cv_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "robustness: script %d did not end in time\n", script.load());
            std::_Exit(3);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    done_cv_.notify_one();
    thread_.join();
  }
  std::atomic<int> script{-1};

 private:
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread thread_;
};

constexpr std::array<const char*, 18> kEditNames = {
    "pressure", "temperature", "report", "methane", "ethane",   "propane", "isobutane", "nbutane", "isopentane",
    "npentane", "nhexane",     "nheptane", "co2",   "h2s",      "nitrogen", "helium",   "hydrogen", "oxygen"};
// The composition names as `show` lists them, and the order the Sum adds them in.
constexpr std::array<const char*, 15> kShownComposition = {
    "methane", "ethane", "propane", "isobutane", "nbutane", "isopentane", "npentane", "nhexane",
    "nheptane", "co2",   "h2s",     "nitrogen",  "helium",  "hydrogen",   "oxygen"};
constexpr std::array<const char*, 15> kSumOrder = {
    "methane", "ethane", "propane", "isobutane", "nbutane", "isopentane", "npentane", "nhexane",
    "nheptane", "co2",   "h2s",     "nitrogen",  "hydrogen", "helium",    "oxygen"};
constexpr std::array<const char*, 3> kEos = {"bwrs", "pr", "rks"};
constexpr std::array<const char*, 3> kMethods = {"jc", "fp", "newton"};
constexpr std::array<const char*, 6> kBoxes = {"polytropic", "viscosity", "cp", "jt", "write", "append"};
constexpr std::array<const char*, 10> kResultLabels = {
    "Molar Density: ", "Specific volume: ", "Compressibility: ", "Molecular Weight: ", "Viscosity: ",
    "Polytropic N: ",  "Enthalpy: ",        "Enthalpy ref: ",    "Specific Heat: ",   "Joule-Thomson: "};
constexpr std::array<const char*, 11> kConstantLabels = {"B0: ", "A0: ", "C0: ", "D0: ",    "E0: ",   "b: ",
                                                         "a: ",  "d: ",  "alpha: ", "c: ", "gamma: "};

// Every message box the calculator can show: icon, caption, text.
// A message as the script prints it: icon, caption, text.
std::string Printed(const res::MessageText& m) {
  return std::string(m.icon == MessageIcon::Error ? "error" : "information") + " | " + std::string(m.caption) +
         " | " + std::string(m.text);
}
const std::set<std::string>& KnownMessages() {
  static const std::set<std::string> messages = [] {
    std::set<std::string> all;
    for (const res::MessageText& m : res::kAllMessages) all.insert(Printed(m));
    return all;
  }();
  return messages;
}
const std::string kPressureMessage = Printed(res::kPressureOutOfRange);
const std::string kTemperatureMessage = Printed(res::kTemperatureOutOfRange);
const std::string kSumMessage = Printed(res::kCompositionSumNotOne);
const std::string kNewtonMessage = Printed(res::kNewtonNotForBwrs);
const std::string kViewMessage = Printed(res::kConstantsNotComputed);
const std::string kMethaneOnlyMessage = Printed(res::kOnlyMethaneMixtures);

// "%.{decimals}f" of some double, or a spelled non-finite value.
bool IsFixed(const std::string& text, std::size_t decimals) {
  if (text == "inf" || text == "-inf" || text == "nan") return true;
  std::size_t i = text.rfind('-', 0) == 0 ? 1 : 0;
  const std::size_t digitsStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i == digitsStart || i >= text.size() || text[i] != '.') return false;
  const std::size_t fraction = text.size() - i - 1;
  return fraction == decimals &&
         std::all_of(text.begin() + static_cast<long>(i) + 1, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The constants view's general notation: "7520.29", "80.", "-5.3e-002".
bool IsGeneral(const std::string& text) {
  if (text == "inf" || text == "-inf" || text == "nan") return true;
  const std::size_t e = text.find('e');
  const std::string mantissa = text.substr(0, e);
  if (mantissa.find('.') == std::string::npos || !IsFixed(mantissa, mantissa.size() - mantissa.find('.') - 1))
    return false;
  if (e == std::string::npos) return true;
  const std::string exponent = text.substr(e + 1);
  return exponent.size() >= 4 && (exponent[0] == '+' || exponent[0] == '-') &&
         std::all_of(exponent.begin() + 1, exponent.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What the script has made of the dialog so far, as far as the script alone
// decides it. An edit whose text a handler may have rewritten is unknown.
struct Model {
  std::map<std::string, std::optional<std::string>> edits;
  std::string eos = "bwrs";
  std::string method = "fp";
  std::set<std::string> ticked = {"polytropic", "viscosity", "cp", "jt"};
  // The result texts of the last show while no run since could have changed them.
  std::optional<std::vector<std::string>> results;

  // The start-up texts; the report name is the working directory's.
  Model() {
    const char* fractions[] = {"0.96000", "0.02000", "0.00500", "0.00200", "0.00200", "0.00050", "0.00050", "0.00000",
                               "0.00000", "0.00700", "0.00000", "0.00300", "0.00000", "0.00000", "0.00000"};
    for (std::size_t i = 0; i < kShownComposition.size(); ++i) edits[kShownComposition[i]] = fractions[i];
    edits["pressure"] = "1000.";
    edits["temperature"] = "80.";
  }
  bool Known(std::initializer_list<const char*> names) const {
    return std::all_of(names.begin(), names.end(), [this](const char* n) { return edits.at(n).has_value(); });
  }
  double Value(const char* name) const { return ParseNumber(*edits.at(name)); }
};

// The message the input checks of a run stop at, when the script alone
// decides it ("" when they pass); nothing when an input is unknown.
std::optional<std::string> ExpectedCheck(const Model& m) {
  if (!m.Known({"pressure", "temperature"})) return std::nullopt;
  const double p = m.Value("pressure");
  if (!(p >= 14.7 && p <= 3000.0)) return kPressureMessage;
  const double t = m.Value("temperature") + 459.67;
  if (!(t >= 359.67 && t <= 300.0 + 459.67)) return kTemperatureMessage;
  for (const char* name : kShownComposition)
    if (!m.edits.at(name).has_value()) return std::nullopt;
  // Slots 1..14 in order; 11 and 13 hold nothing; 14 lumps four gases.
  double lumped = m.Value("nitrogen");
  lumped += m.Value("hydrogen");
  lumped += m.Value("helium");
  lumped += m.Value("oxygen");
  const double slots[] = {m.Value("methane"), m.Value("ethane"),  m.Value("propane"),  m.Value("isobutane"),
                          m.Value("nbutane"), m.Value("isopentane"), m.Value("npentane"), m.Value("nhexane"),
                          m.Value("nheptane"), m.Value("co2"),    0.0, m.Value("h2s"), 0.0, lumped};
  double sum = 0.0;
  for (double slot : slots) sum += slot;
  if (!(std::fabs(sum - 1.0) <= 0.0001)) return kSumMessage;
  return std::string();
}

// The files a script may leave, and what kind each is.
struct Sandbox {
  TempDir cwd;    // the working directory while the script runs
  TempDir other;  // files named by absolute path
  std::vector<std::string> mixturePaths;
  std::vector<std::string> reportPaths;
  std::vector<std::string> recallOnlyPaths;
  std::string fifo;  // a named pipe that no process ever opens at its other end

  Sandbox() {
    fs::create_directory(other / "dir.d");
    fs::create_directory(other / "sub");
    fifo = other / "pipe.p";
    mkfifo(fifo.c_str(), 0600);
    const std::string missing = other / "missing";
    const std::string longName = other / (std::string(300, 'a') + ".dat");
    mixturePaths = {other / "m1",         other / "m2.dat",          other / "m3.bin", "rel",
                    other / "dir.d",      other / "dir.d/",          other / "sub",    missing + "/m.dat",
                    longName,             std::string(other / "nul") + std::string("\0x.dat", 6), "", fifo};
    reportPaths = {other / "r1.txt",  other / "r2",   "rep.txt", other / "dir.d", missing + "/r.txt",
                   std::string(other / "rnul") + std::string("\0y", 2), "", fifo};
    recallOnlyPaths = {other / "", other / "dir.d/..", "/dev/null", missing, other / "never.dat"};
  }

  // A path as the file dialog answers it: ".dat" when the last component has no ".".
  static std::string WithDefaultExtension(std::string path) {
    const std::size_t slash = path.rfind('/');
    if (path.find('.', slash == std::string::npos ? 0 : slash + 1) == std::string::npos) path += ".dat";
    return path;
  }
};

class Generator {
 public:
  Generator(unsigned seed, const Sandbox& sandbox) : rng_(seed), sandbox_(sandbox) {}

  std::string Script(int lines) {
    std::string script;
    for (int i = 0; i < lines; ++i) script += Line();
    return script;
  }

  // One script line (or a few that belong together), with its line end.
  std::string Line() {
    const unsigned pick = Next(100);
    std::string line;
    if (pick < 26) {
      const char* name = kEditNames[Next(kEditNames.size())];
      const std::string text = std::string(name) == "report" ? Pick(sandbox_.reportPaths) : Text();
      line = "set " + std::string(name) + " " + text;
    } else if (pick < 38) {
      const std::array<const char*, 12> buttons = {"bwrs", "pr", "rks", "jc", "fp", "newton",
                                                   "polytropic", "viscosity", "cp", "jt", "write", "append"};
      line = std::string(Next(4) == 0 ? "uncheck " : "check ") + buttons[Next(buttons.size())];
      if (Next(4) == 0) line.insert(line.find(' ') + 1, " \t");  // the name is trimmed
    } else if (pick < 52) {
      line = "run";
    } else if (pick < 62) {
      line = "show";
    } else if (pick < 67) {
      line = "view";
    } else if (pick < 70) {
      line = "reset";
    } else if (pick < 75) {
      line = "save " + Pick(sandbox_.mixturePaths);
    } else if (pick < 80) {
      const std::vector<std::string>& pool =
          Next(3) == 0 ? sandbox_.recallOnlyPaths : (Next(2) == 0 ? sandbox_.reportPaths : sandbox_.mixturePaths);
      line = "recall " + Pick(pool);
    } else if (pick < 82) {
      // Extreme fractions in random boxes: sums that overflow or are not a
      // number, and huge or tiny fractions that pass the sum test.
      const std::array<std::vector<const char*>, 6> mixtures = {{{"1e308", "-1e308", "1"},
                                                                 {"1e999", "-1e999"},
                                                                 {"1e308", "1e308"},
                                                                 {"-0.5", "1.5"},
                                                                 {"4.9e-324", "1"},
                                                                 {"1e-300", "-1e-300", "0.99995"}}};
      line = "reset";
      for (const char* fraction : mixtures[Next(mixtures.size())])
        line += std::string("\nset ") + kShownComposition[Next(kShownComposition.size())] + " " + fraction;
      if (Next(2) == 0) line += "\nrun";
    } else if (pick < 88) {
      // A mixture that passes the sum test, so the solvers get their turn.
      const std::array<const char*, 6> second = {"ethane", "propane", "nitrogen", "hydrogen", "co2", "h2s"};
      const std::array<const char*, 5> fractions = {"0.9", "0.99", "1.1", "0.5", "0.0001"};
      const std::string x = fractions[Next(fractions.size())];
      const double rest = 1.0 - ParseNumber(x);
      line = "reset\nset methane " + x + "\nset " + second[Next(second.size())] + " " + FormatFixed(rest, 6);
      if (Next(2) == 0) line += "\nrun";
    } else if (pick < 96) {
      // A state the checks accept, anywhere in their range.
      const std::array<const char*, 8> pressures = {"14.7", "3000", "1000", "60.3", "2999.9", "500", "1e3", "150.5"};
      const std::array<const char*, 8> temperatures = {"-100", "300", "80", "-65.9", "0", "299.99", "32", "-40"};
      line = "set pressure " + std::string(pressures[Next(8)]) + "\nset temperature " + temperatures[Next(8)];
      if (Next(2) == 0) line += "\nrun";
    } else {
      const std::array<const char*, 5> inert = {"", "   ", "\t# a comment", "# run", "  \t"};
      line = inert[Next(inert.size())];
    }
    if (Next(8) == 0) line.insert(0, Next(2) == 0 ? "  " : "\t");
    return line + (Next(5) == 0 ? "\r\n" : "\n");
  }

  // Edit texts: ordinary and pathological numbers, words, NUL bytes, long runs.
  std::string Text() {
    static const std::vector<std::string> texts = {
        "0",        "1",         "0.5",        "-0.5",        "1.1",        "-0.1",      "0.00",
        "",         " ",         "\t\t",       "  0.5",       "1e308",      "-1e308",    "1.7976931348623157e308",
        "1e309",    "-1e999",    "1e-308",     "4.9e-324",    "1e-400",     "-0",        "+.5",
        ".",        "-",         "e5",         "1e",          "1e+",        "inf",       "-inf",
        "nan",      "NaN(123)",  "0x1p4",      "abc",         "1000psia",   "14.7",      "3000",
        "14.69",    "3000.1",    "-100",       "300",         "-100.01",    "300.01",    "80",
        "-459.67",  "1e3",       "5e-3",       "2,5",         "0.9\x01",    "\xff\xfe",  "+-1",
        std::string("0.3\0junk", 8), std::string("\0", 1), std::string(5000, '9'), "0." + std::string(5000, '0') + "1",
        std::string(3000, 'x'), "1" + std::string(400, '0') + "e-400", "9e99999999999999999999",
        "0." + std::string(40000, '0') + "1e40001"};
    if (Next(6) == 0) {
      // Random bytes, without line ends or a trailing carriage return.
      std::string bytes(Next(24), ' ');
      for (char& c : bytes) {
        c = static_cast<char>(Next(256));
        if (c == '\n' || c == '\r') c = 'x';
      }
      return bytes;
    }
    return texts[Next(texts.size())];
  }

 private:
  unsigned Next(std::size_t n) { return static_cast<unsigned>(rng_() % n); }
  const std::string& Pick(const std::vector<std::string>& pool) { return pool[Next(pool.size())]; }

  std::mt19937 rng_;
  const Sandbox& sandbox_;
};

// The script's lines as the runner sees them.
std::vector<std::string> Lines(const std::string& script) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < script.size()) {
    std::size_t end = script.find('\n', start);
    if (end == std::string::npos) end = script.size();
    std::string line = script.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Replays the script against the model while reading the runner's output,
// checking each command's output and each show against what the script
// decides.
class Checker {
 public:
  explicit Checker(const std::string& output) {
    std::size_t start = 0;
    while (start < output.size()) {
      std::size_t end = output.find('\n', start);
      if (end == std::string::npos) {
        ADD_FAILURE() << "output ends without a line end";
        end = output.size();
      }
      out_.push_back(output.substr(start, end - start));
      start = end + 1;
    }
  }

  void Replay(const std::vector<std::string>& lines, const std::string& cwd) {
    model_.edits["report"] = cwd + "/corvanetest.txt";
    std::vector<std::pair<std::string, std::string>> commands;  // command word, rest
    for (const std::string& raw : lines) {
      const std::size_t first = raw.find_first_not_of(" \t");
      if (first == std::string::npos || raw[first] == '#') continue;
      const std::string line = raw.substr(first);
      const std::size_t space = line.find(' ');
      commands.emplace_back(line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1));
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
      const auto& [command, rest] = commands[i];
      SCOPED_TRACE("command " + std::to_string(i) + ": " + command + " " + rest.substr(0, 60));
      if (command == "set") {
        const std::size_t nameEnd = rest.find(' ');
        // An edit keeps what fits in it.
        model_.edits[rest.substr(0, nameEnd)] =
            nameEnd == std::string::npos ? "" : rest.substr(nameEnd + 1, res::kEditTextLimit);
      } else if (command == "check" || command == "uncheck") {
        Press(Trim(rest), command == "check");
      } else if (command == "reset") {
        for (const char* name : kShownComposition) model_.edits[name] = "0.00";
      } else if (command == "recall") {
        for (const char* name : kShownComposition) model_.edits[name] = std::nullopt;
      } else if (command == "run") {
        // A run's messages end where the next printing command's output begins,
        // unless that command is another run.
        bool delimited = true;
        for (std::size_t j = i + 1; j < commands.size(); ++j) {
          const std::string& later = commands[j].first;
          if (later == "run" || later == "show" || later == "view") {
            delimited = later != "run";
            break;
          }
        }
        Run(delimited);
      } else if (command == "view") {
        View();
      } else if (command == "show") {
        Show();
      }
      if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_EQ(next_, out_.size()) << "output left over: " << (next_ < out_.size() ? out_[next_] : "");
  }

 private:
  static std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
  }

  void Press(const std::string& name, bool checked) {
    auto group = [&](auto& names, std::string& current) {
      if (std::find(names.begin(), names.end(), name) == names.end()) return false;
      if (checked) current = name;
      else if (current == name) current = "none";
      return true;
    };
    if (group(kEos, model_.eos) || group(kMethods, model_.method)) return;
    if (checked) model_.ticked.insert(name);
    else model_.ticked.erase(name);
  }

  // The messages up to the next output that is not a run's message.
  std::vector<std::string> Messages() {
    std::vector<std::string> messages;
    while (next_ < out_.size() && out_[next_].rfind("message: ", 0) == 0 && out_[next_] != "message: " + kViewMessage) {
      messages.push_back(out_[next_].substr(9));
      EXPECT_EQ(KnownMessages().count(messages.back()), 1u) << "unknown message: " << out_[next_];
      ++next_;
    }
    return messages;
  }

  // Runs that follow one another with no other output between them print
  // their messages in one stretch; those are read together by the last.
  void Run(bool delimited) {
    const std::optional<std::string> check = ExpectedCheck(model_);
    const bool stoppedAtCheck = check && !check->empty();
    if (carried_) {
      if (delimited) {
        Messages();
        carried_ = false;
      }
    } else if (stoppedAtCheck) {
      // That message alone, and nothing else changes.
      ASSERT_LT(next_, out_.size()) << "no message from a run stopped at its checks";
      EXPECT_EQ(out_[next_], "message: " + *check);
      ++next_;
    } else if (!delimited) {
      carried_ = true;
    } else {
      const std::vector<std::string> messages = Messages();
      const auto has = [&](const std::string& m) { return std::count(messages.begin(), messages.end(), m) > 0; };
      if (check) {
        EXPECT_FALSE(has(kPressureMessage) || has(kTemperatureMessage) || has(kSumMessage));
        const bool bwrs = model_.eos == "bwrs";
        const bool newton = model_.method != "jc" && model_.method != "fp";
        // Newton is refused for BWRS unless the mixing step has refused the mixture first.
        if (bwrs && newton) {
          EXPECT_TRUE(messages == std::vector<std::string>{kNewtonMessage} ||
                      messages == std::vector<std::string>{kMethaneOnlyMessage})
              << messages.size();
        }
        if (!bwrs) {
          EXPECT_FALSE(has(kNewtonMessage) || has(kMethaneOnlyMessage));
        }
      }
    }
    if (!stoppedAtCheck) {
      model_.edits["pressure"] = std::nullopt;
      model_.results.reset();
    }
  }

  void View() {
    ASSERT_LT(next_, out_.size()) << "view printed nothing";
    if (out_[next_].rfind("message: ", 0) == 0) {
      EXPECT_EQ(out_[next_], "message: " + kViewMessage);
      ++next_;
      return;
    }
    ASSERT_LE(next_ + kConstantLabels.size(), out_.size());
    for (const char* label : kConstantLabels) {
      const std::string& row = out_[next_++];
      ASSERT_EQ(row.rfind(label, 0), 0u) << row;
      EXPECT_TRUE(IsGeneral(row.substr(std::string(label).size()))) << row;
    }
  }

  // The text after "key: " of the next output line.
  std::string Take(const std::string& key) {
    if (next_ >= out_.size()) {
      ADD_FAILURE() << "show ended before " << key;
      return "";
    }
    const std::string& row = out_[next_++];
    EXPECT_EQ(row.rfind(key, 0), 0u) << "expected " << key << ", got " << row.substr(0, 80);
    return row.size() >= key.size() ? row.substr(key.size()) : "";
  }

  // Compares an edit's shown text with the model, which takes it when it had none.
  void ExpectEdit(const std::string& name, const std::string& shown) {
    std::optional<std::string>& known = model_.edits.at(name);
    if (known) {
      EXPECT_EQ(shown, *known) << name;
    }
    known = shown;
  }

  void Show() {
    ExpectEdit("pressure", Take("pressure: "));
    ExpectEdit("temperature", Take("temperature: "));
    EXPECT_EQ(Take("eos: "), model_.eos);
    EXPECT_EQ(Take("method: "), model_.method);
    std::string ticked;
    for (const char* box : kBoxes)
      if (model_.ticked.count(box)) ticked += std::string(" ") + box;
    EXPECT_EQ(Take("ticked:"), ticked);
    Take("note: ");
    std::vector<std::string> results;
    for (const char* label : kResultLabels) results.push_back(Take(label));
    CheckResults(results);
    if (model_.results) {
      EXPECT_EQ(results, *model_.results) << "results changed without a run that passed its checks";
    }
    model_.results = results;
    ExpectEdit("report", Take("report: "));
    std::map<std::string, std::string> shown;
    for (const char* name : kShownComposition) {
      shown[name] = Take(std::string(name) + ": ");
      ExpectEdit(name, shown[name]);
    }
    // The Sum always follows the texts, added in its own order.
    double total = 0.0;
    for (const char* name : kSumOrder) total += ParseNumber(shown[name]);
    EXPECT_EQ(Take("Sum: "), FormatFixed(total, 5));
  }

  static void CheckResults(const std::vector<std::string>& r) {
    const bool empty = r[0].empty();
    for (const std::string& text : r) EXPECT_EQ(text.empty(), empty) << "some result statics are still empty";
    if (empty) return;
    EXPECT_TRUE(IsFixed(r[0], 5) && IsFixed(r[1], 5) && IsFixed(r[2], 5) && IsFixed(r[3], 2)) << r[0] << r[3];
    EXPECT_TRUE(r[4] == "No solution" || (IsFixed(r[4], 4) && r[4][0] != '-' && r[4] != "nan")) << r[4];
    EXPECT_TRUE(r[5] == "No solution" || (IsFixed(r[5], 4) && r[5] >= "0.5000" && r[5] <= "1.5000" &&
                                          r[5].size() == 6))
        << r[5];
    const bool bwrsOnly = r[6] == "BWRS only";
    for (std::size_t i = 6; i < 10; ++i) EXPECT_EQ(r[i] == "BWRS only", bwrsOnly) << r[i];
    if (!bwrsOnly) {
      EXPECT_TRUE(IsFixed(r[6], 2) && IsFixed(r[7], 2) && IsFixed(r[8], 4) && IsFixed(r[9], 4)) << r[6] << r[9];
    }
  }

  std::vector<std::string> out_;
  std::size_t next_ = 0;
  bool carried_ = false;
  Model model_;
};

// Every file left behind was named by the script, and is whole: mixture
// files are 128 bytes, report files end their lines in CRLF.
void CheckFiles(const Sandbox& sandbox) {
  std::set<std::string> mixtures, reports;
  const std::string cwd = fs::current_path().string();
  auto absolute = [&](const std::string& p) { return p.rfind('/', 0) == 0 ? p : cwd + "/" + p; };
  for (const std::string& p : sandbox.mixturePaths) mixtures.insert(absolute(Sandbox::WithDefaultExtension(p)));
  for (const std::string& p : sandbox.reportPaths) reports.insert(absolute(p));
  reports.insert(cwd + "/corvanetest.txt");
  for (const fs::path& root : {fs::path(cwd), fs::path(sandbox.other / "")}) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
      if (entry.is_directory() || entry.is_fifo()) continue;
      const std::string path = fs::path(entry.path()).lexically_normal().string();
      const std::string bytes = ReadBytes(path);
      if (mixtures.count(path) != 0) {
        EXPECT_EQ(bytes.size(), 128u) << path;
      } else if (reports.count(path) != 0) {
        EXPECT_TRUE(bytes.empty() || bytes.substr(bytes.size() - 2) == "\r\n") << path;
        for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
          ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << path << ": a line not ended by CRLF";
      } else {
        ADD_FAILURE() << "a file the script never named: " << path;
      }
    }
  }
}

// Runs the test body with a sandbox as the working directory.
class RobustnessTest : public ::testing::Test {
 protected:
  RobustnessTest() : start_(fs::current_path()) { fs::current_path(sandbox.cwd / ""); }
  ~RobustnessTest() override { fs::current_path(start_); }

  Sandbox sandbox;
  Watchdog watchdog{std::chrono::seconds(60)};

 private:
  fs::path start_;
};

TEST_F(RobustnessTest, RandomScriptsEndAndKeepTheirPromises) {
  for (int seed = 1; seed <= 80; ++seed) {
    watchdog.script = seed;
    SCOPED_TRACE("script seed " + std::to_string(seed));
    const std::string script = Generator(static_cast<unsigned>(seed), sandbox).Script(40);
    std::ostringstream out, err;
    const int status = RunScript(script, out, err);
    ASSERT_EQ(status, 0) << err.str();
    EXPECT_EQ(err.str(), "");
    Checker checker(out.str());
    if (HasFatalFailure()) return;
    checker.Replay(Lines(script), fs::current_path().string());
    if (HasFatalFailure()) return;
  }
  CheckFiles(sandbox);
}

// A named pipe with nobody at its other end: opening it must not wait for
// one. Recall finds it empty, Save and the report cannot open it.
TEST_F(RobustnessTest, NamedPipesNeverHoldTheDialog) {
  watchdog.script = 0;
  const std::string& pipe = sandbox.fifo;
  std::ostringstream out, err;
  const int status = RunScript("set methane 0.5\nrecall " + pipe + "\nshow\nsave " + pipe + "\nset report " + pipe +
                                   "\ncheck write\nrun\ncheck append\nrun\nview\n",
                               out, err);
  EXPECT_EQ(status, 0) << err.str();
  // An empty file rewrites the fields from the last fractions read: the start-up ones.
  EXPECT_NE(out.str().find("\nmethane: 0.96000\n"), std::string::npos);
  EXPECT_TRUE(fs::is_fifo(pipe));
}

// A line that cannot be carried out, anywhere in a script: everything before
// it is done, nothing after it, and one line on the error stream names it.
TEST_F(RobustnessTest, ALineThatCannotBeCarriedOutStopsTheScriptThere) {
  const std::vector<std::string> badLines = {
      "frobnicate",       "RUN",          "Show x",       "run\trun",        "set nothing 1",
      "set pr 1",         "set cp 1",     "set",          "set  0.5",        "set methane\t0.5",
      "check methane",    "uncheck report", "check",      "check \t ",       "uncheck nothing",
      std::string("check cp\0", 9), std::string("\0run", 4), "\xff\xfe", "set " + std::string(100000, 'n') + " 1"};
  for (std::size_t i = 0; i < badLines.size(); ++i) {
    watchdog.script = static_cast<int>(i);
    SCOPED_TRACE("bad line " + std::to_string(i));
    Generator generator(static_cast<unsigned>(1000 + i), sandbox);
    const std::string before = generator.Script(static_cast<int>(i % 7)) + "show\n";
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(before + badLines[i] + "\nshow\nrun\nshow\n", out, err), 2);
    const std::string expectedStart = "corvane-cli: line " + std::to_string(Lines(before).size() + 1) + ": ";
    EXPECT_EQ(err.str().rfind(expectedStart, 0), 0u) << err.str().substr(0, 100);
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
    // The output is exactly that of the lines before the bad one.
    std::ostringstream beforeOut, beforeErr;
    EXPECT_EQ(RunScript(before, beforeOut, beforeErr), 0);
    EXPECT_EQ(out.str(), beforeOut.str());
  }
}

}  // namespace
}  // namespace corvane

// Save and Recall through the dialog, and the byte layout of mixture files.
#include "files/mixture_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>

#include "dialog_fixture.h"
#include "res/dialogs.h"
#include "temp_dir.h"

namespace corvane {
namespace {

// The eight little-endian bytes of a double.
std::string Bytes(double value) {
  std::string bytes;
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int b = 0; b < 8; ++b) bytes += static_cast<char>((bits >> (8 * b)) & 0xFF);
  return bytes;
}

std::string FileOf(std::initializer_list<double> values) {
  std::string bytes;
  for (double v : values) bytes += Bytes(v);
  return bytes;
}

class MixtureFile : public DialogTest {
 protected:
  void Save(const std::string& path) { PressFileButton(surface, dlg, res::IDC_SAVE, path); }
  void Recall(const std::string& path) { PressFileButton(surface, dlg, res::IDC_RECALL, path); }
  // The fifteen edit texts in entry order.
  std::string Texts() const {
    std::string all;
    for (int id : {res::IDC_METHANE, res::IDC_ETHANE, res::IDC_PROPANE, res::IDC_ISOBUTANE, res::IDC_NBUTANE,
                   res::IDC_ISOPENTANE, res::IDC_NPENTANE, res::IDC_NHEXANE, res::IDC_NHEPTANE, res::IDC_CO2,
                   res::IDC_HYDROGEN, res::IDC_H2S, res::IDC_HELIUM, res::IDC_NITROGEN, res::IDC_OXYGEN})
      all += Text(id) + " ";
    return all;
  }
  TempDir dir;
  std::string mix = dir / "mix.dat";
};

const std::string kStartUpFile =
    FileOf({0.0, 0.96, 0.02, 0.005, 0.002, 0.002, 0.0005, 0.0005, 0.0, 0.0, 0.007, 0.0, 0.0, 0.0, 0.003, 0.0});

TEST_F(MixtureFile, SavesTheStartUpCompositionAsSixteenLittleEndianDoubles) {
  // A longer file of the name is replaced whole, not overwritten in front.
  WriteBytes(mix, std::string(1000, 'x'));
  Save(mix);
  EXPECT_EQ(ReadBytes(mix), kStartUpFile);
  EXPECT_EQ(Bytes(0.96), std::string("\xb8\x1e\x85\xeb\x51\xb8\xee\x3f", 8));
}

TEST_F(MixtureFile, SaveReadsTheFieldsAsTheyStand) {
  Type(res::IDC_METHANE, "0.123456789");
  Type(res::IDC_ETHANE, "abc");
  Save(mix);
  const std::string bytes = ReadBytes(mix);
  EXPECT_EQ(bytes.substr(8, 8), Bytes(0.123456789));
  EXPECT_EQ(bytes.substr(16, 8), Bytes(0.0));
  EXPECT_EQ(dlg.entryFractions[0], 0.123456789);
  // Recalled, the full value comes back and the field shows five decimals.
  dlg.OnReset();
  Recall(mix);
  EXPECT_EQ(Text(res::IDC_METHANE), "0.12346");
  EXPECT_EQ(dlg.entryFractions[0], 0.123456789);
}

TEST_F(MixtureFile, RecallShowsTheValuesAndTheSumFollows) {
  Save(mix);
  dlg.OnReset();
  EXPECT_EQ(Text(res::IDC_SUM), "0.00000");
  Recall(mix);
  EXPECT_EQ(Texts(),
            "0.96000 0.02000 0.00500 0.00200 0.00200 0.00050 0.00050 0.00000 0.00000 0.00700 0.00000 0.00000 "
            "0.00000 0.00300 0.00000 ");
  EXPECT_EQ(Text(res::IDC_SUM), "1.00000");
  // The reserved value travels through a recall into the next save.
  WriteBytes(mix, FileOf({42.5, 1.0}));
  Recall(mix);
  Save(dir / "again.dat");
  EXPECT_EQ(ReadBytes(dir / "again.dat").substr(0, 16), FileOf({42.5, 1.0}));
}

TEST_F(MixtureFile, ShortFilesReplaceOnlyTheBytesTheyHold) {
  // 64 bytes: the reserved value and methane to n-pentane.
  WriteBytes(mix, FileOf({7.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7}));
  Type(res::IDC_NHEXANE, "0.5");
  Recall(mix);
  EXPECT_EQ(dlg.mixtureFileReserved, 7.0);
  EXPECT_EQ(Texts(),
            "0.10000 0.20000 0.30000 0.40000 0.50000 0.60000 0.70000 0.00000 0.00000 0.00700 0.00000 0.00000 "
            "0.00000 0.00300 0.00000 ");
  // A double cut short keeps its remaining old bytes.
  MixtureBlock block{};
  block[1] = 0.96;
  const std::string head = Bytes(1.0) + Bytes(0.5).substr(0, 5);
  OverlayMixtureBytes(std::span(reinterpret_cast<const unsigned char*>(head.data()), head.size()), block);
  EXPECT_EQ(block[0], 1.0);
  EXPECT_EQ(Bytes(block[1]), Bytes(0.5).substr(0, 5) + Bytes(0.96).substr(5));
}

// A whole file replaces every value to its last byte: the reserved value
// and each gas, oxygen the last of them, over values whose every byte
// differs (negative, of another magnitude).
TEST_F(MixtureFile, AWholeFileReplacesEveryValueToItsLastByte) {
  for (int id : res::kGasEdits) Type(id, "-1234.5");
  Save(dir / "before.dat");
  ASSERT_EQ(dlg.entryFractions[14], -1234.5);
  const MixtureBlock wanted = {3.5,     0.81,    0.052,  0.031,  0.022,  0.0111, 0.0112, 0.0051,
                               0.0042,  0.013,   0.0021, 0.0022, 0.0023, 0.0024, 0.0025, 0.0123};
  const MixtureFileBytes bytes = EncodeMixtureBlock(wanted);
  WriteBytes(mix, std::string(bytes.begin(), bytes.end()));
  Recall(mix);
  EXPECT_EQ(dlg.mixtureFileReserved, 3.5);
  for (std::size_t gas = 0; gas < 15; ++gas) EXPECT_EQ(dlg.entryFractions[gas], wanted[gas + 1]) << gas;
  EXPECT_EQ(Text(res::IDC_OXYGEN), "0.01230");
  EXPECT_EQ(Text(res::IDC_SUM), "0.98340");
}

TEST_F(MixtureFile, EmptyFilesChangeNothingLongFilesOnlyTheirFirst128Bytes) {
  // Empty: the fields are rewritten from the last values.
  WriteBytes(mix, "");
  Type(res::IDC_METHANE, "0.5");
  Recall(mix);
  EXPECT_EQ(Text(res::IDC_METHANE), "0.96000");
  WriteBytes(mix, FileOf({0.0, 0.5}) + std::string(120, '\0') + std::string(1000, '\x7f'));
  Recall(mix);
  EXPECT_EQ(Text(res::IDC_METHANE), "0.50000");
  EXPECT_EQ(Text(res::IDC_SUM), "0.50000");
}

TEST_F(MixtureFile, ArbitraryBytesAreShownNotTrusted) {
  // All ones: fifteen not-a-numbers. Their texts read as no number, so the
  // Sum shows zero and the next run refuses the composition.
  WriteBytes(mix, std::string(128, '\xff'));
  Recall(mix);
  EXPECT_EQ(Text(res::IDC_METHANE), "nan");
  EXPECT_EQ(Text(res::IDC_SUM), "0.00000");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 0);
  // Saved again, the fields are read as they show: "nan" is no number.
  Save(dir / "copy.dat");
  EXPECT_EQ(ReadBytes(dir / "copy.dat").substr(8, 8), Bytes(0.0));
}

TEST_F(MixtureFile, CancelledOrUnopenableFilesChangeNothing) {
  Type(res::IDC_METHANE, "0.5");
  const std::string before = Texts();
  const auto fractions = dlg.entryFractions;
  const std::string withNul = mix + std::string(1, '\0') + "x.dat";
  const std::string directory = dir / "folder.dat";
  std::filesystem::create_directory(directory);
  for (const std::string& name : {std::string(), directory, dir / "no/such.dat", withNul}) {
    Save(name);
    Recall(name);
    EXPECT_EQ(Texts(), before) << name;
    EXPECT_EQ(dlg.entryFractions, fractions) << name;
  }
  Recall(dir / "missing.dat");
  EXPECT_EQ(Texts(), before);
  EXPECT_TRUE(std::filesystem::is_empty(directory));
  EXPECT_FALSE(std::filesystem::exists(mix));
  EXPECT_TRUE(surface.messages.empty());
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(MixtureExtension, OnlyALastNameWithoutADotGetsDat) {
  EXPECT_EQ(WithMixtureExtension("mix"), "mix.dat");
  EXPECT_EQ(WithMixtureExtension("old.mix"), "old.mix");
  EXPECT_EQ(WithMixtureExtension("sub.d/mix"), "sub.d/mix.dat");
  EXPECT_EQ(WithMixtureExtension("sub/mix.dat"), "sub/mix.dat");
#ifdef _WIN32
  // A backslash ends a folder's name on Windows, as a slash does.
  EXPECT_EQ(WithMixtureExtension("sub.d\\mix"), "sub.d\\mix.dat");
  EXPECT_EQ(WithMixtureExtension("C:\\data.d\\sub/mix"), "C:\\data.d\\sub/mix.dat");
#else
  // Elsewhere it is a letter of the name, which holds a dot already.
  EXPECT_EQ(WithMixtureExtension("sub.d\\mix"), "sub.d\\mix");
#endif
}

}  // namespace
}  // namespace corvane

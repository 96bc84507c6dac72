// Every message box the calculator shows: its text, caption and icon, each
// written once here for the core that shows it and the tests that expect it.
#pragma once

#include <array>
#include <string_view>

namespace corvane {

enum class MessageIcon { Error, Information };

namespace res {

struct MessageText {
  std::string_view text;
  std::string_view caption;
  MessageIcon icon;
};

// Rejected input and refused methods: the run stops.
inline constexpr MessageText kPressureOutOfRange{"Pressure < 14.7 or > 3000.0 psia, run aborted", "User Inputs",
                                          MessageIcon::Error};
inline constexpr MessageText kTemperatureOutOfRange{"Temperature < -100 or > 300 F, run aborted", "User Inputs",
                                             MessageIcon::Error};
inline constexpr MessageText kCompositionSumNotOne{"Mixture component sum not equal to 1.0 - Process aborted.",
                                            "Reading mixture", MessageIcon::Error};
inline constexpr MessageText kNewtonNotForBwrs{"Newton method not available for BWRS.", "BWRS Roots", MessageIcon::Error};
inline constexpr MessageText kConstantsNotComputed{"BWRS coefficients not yet computed.", "View BWRS Coefficients",
                                            MessageIcon::Error};

// Calculation notices.
inline constexpr MessageText kOnlyMethaneMixtures{"Sorry, only methane component mixes are presently supported.", "Calc",
                                           MessageIcon::Information};
inline constexpr MessageText kMixtureNotSupported{"This mixture is not supported.", "Mixture computation",
                                           MessageIcon::Information};
inline constexpr MessageText kNoFalsePositionRoot{"No root found in fp method.", "FP root warning", MessageIcon::Information};
inline constexpr MessageText kNoJohnsonCulverRoot{"No root found in jc method.", "JC root warning", MessageIcon::Information};
inline constexpr MessageText kSpecificHeatFirstFailed{"CP failed in 1st entropy call.", "Specific Heat Procedure",
                                               MessageIcon::Information};
inline constexpr MessageText kSpecificHeatSecondFailed{"CP failed in 2nd entropy call.", "Specific Heat Procedure",
                                                MessageIcon::Information};

inline constexpr std::array kAllMessages = {
    kPressureOutOfRange,  kTemperatureOutOfRange, kCompositionSumNotOne, kNewtonNotForBwrs,
    kConstantsNotComputed, kOnlyMethaneMixtures,  kMixtureNotSupported,  kNoFalsePositionRoot,
    kNoJohnsonCulverRoot, kSpecificHeatFirstFailed, kSpecificHeatSecondFailed};

}  // namespace res
}  // namespace corvane

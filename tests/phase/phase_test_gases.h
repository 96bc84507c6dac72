// The mixtures the phase tests share.
#pragma once

#include "gerg/composition.h"

namespace corvane::phase {

using gerg::Component;
using gerg::Index;

// Methane 0.80, ethane 0.10, propane 0.05, isobutane 0.01, n-butane 0.01,
// carbon dioxide 0.015, nitrogen 0.015.
inline gerg::Composition RichGas() {
  gerg::Composition x{};
  x[Index(Component::Methane)] = 0.80;
  x[Index(Component::Ethane)] = 0.10;
  x[Index(Component::Propane)] = 0.05;
  x[Index(Component::IsoButane)] = 0.01;
  x[Index(Component::NButane)] = 0.01;
  x[Index(Component::CarbonDioxide)] = 0.015;
  x[Index(Component::Nitrogen)] = 0.015;
  return x;
}

// The dialog's start-up gas.
inline gerg::Composition StartupGas() {
  gerg::Composition x{};
  x[Index(Component::Methane)] = 0.96;
  x[Index(Component::Ethane)] = 0.02;
  x[Index(Component::Propane)] = 0.005;
  x[Index(Component::IsoButane)] = 0.002;
  x[Index(Component::NButane)] = 0.002;
  x[Index(Component::IsoPentane)] = 0.0005;
  x[Index(Component::NPentane)] = 0.0005;
  x[Index(Component::CarbonDioxide)] = 0.007;
  x[Index(Component::Nitrogen)] = 0.003;
  return x;
}

// All 21 components, methane the most.
inline gerg::Composition EveryComponent() {
  gerg::Composition x{};
  for (double& v : x) v = 0.02;
  x[Index(Component::Methane)] = 0.6;
  return x;
}

inline gerg::Composition HydrogenWater() {
  gerg::Composition x{};
  x[Index(Component::Hydrogen)] = 0.3;
  x[Index(Component::Water)] = 0.7;
  return x;
}

}  // namespace corvane::phase

#include "gerg/reference.h"

#include <cmath>
#include <cstring>

#include "gerg/isotherm_cache.h"
#include "model/unit_factors.h"

namespace corvane::gerg {

Component ComponentOf(Gas gas) {
  switch (gas) {
    case Gas::Methane: return Component::Methane;
    case Gas::Ethane: return Component::Ethane;
    case Gas::Propane: return Component::Propane;
    case Gas::IsoButane: return Component::IsoButane;
    case Gas::NButane: return Component::NButane;
    case Gas::IsoPentane: return Component::IsoPentane;
    case Gas::NPentane: return Component::NPentane;
    case Gas::NHexane: return Component::NHexane;
    case Gas::NHeptane: return Component::NHeptane;
    case Gas::CarbonDioxide: return Component::CarbonDioxide;
    case Gas::Hydrogen: return Component::Hydrogen;
    case Gas::HydrogenSulfide: return Component::HydrogenSulfide;
    case Gas::Helium: return Component::Helium;
    case Gas::Nitrogen: return Component::Nitrogen;
    case Gas::Oxygen: return Component::Oxygen;
  }
  return Component::Methane;
}

ReferenceComposition FromEntryFractions(const std::array<double, kGasCount>& fractions) {
  ReferenceComposition out;
  double sum = 0.0;
  for (Gas gas : kEntryOrder) {
    const double f = fractions[Index(gas)];
    const std::string name(kGerg2008.components[Index(ComponentOf(gas))].name);
    if (!std::isfinite(f)) {
      out.reason = "mole fraction of " + name + " is not a number";
      return out;
    }
    if (f < 0.0) {
      out.reason = "negative mole fraction of " + name;
      return out;
    }
    sum += f;
  }
  if (!(sum > 0.0)) {
    out.reason = "no gas in the mixture";
    return out;
  }
  if (!std::isfinite(sum)) {
    out.reason = "mole fractions too large to add";
    return out;
  }
  for (Gas gas : kEntryOrder) out.x[Index(ComponentOf(gas))] = fractions[Index(gas)] / sum;
  out.accepted = true;
  return out;
}

std::string ReferenceResult::StatusText() const {
  switch (status) {
    case ReferenceStatus::kGasLike: return "";
    case ReferenceStatus::kDense: return "dense (liquid-like) root";
    case ReferenceStatus::kRefusedComposition: return reason;
    case ReferenceStatus::kRefusedState: return "temperature or pressure is not a positive number";
    case ReferenceStatus::kNoRoot: return "no density found";
    case ReferenceStatus::kNoProperties: return "no finite properties at this state";
  }
  return "";
}

namespace {

// Per mass, SI: a molar quantity per g/mol is per kg in kJ (J/g = kJ/kg).
ReferenceValues SiValues(const StateProperties& p) {
  const double M = p.molarMass;
  ReferenceValues v;
  v.z = p.z;
  v.density = p.density;  // mol/L = kmol/m3
  v.specificVolume = 1.0 / (p.density * M);  // L/g = m3/kg
  v.molecularWeight = M;
  v.enthalpy = p.enthalpy / M;
  v.entropy = p.entropy / M;
  v.cp = p.cp / M;
  v.cv = p.cv / M;
  v.speedOfSound = p.speedOfSound;
  v.jouleThomson = -p.jouleThomson;
  v.isentropicExponent = p.isentropicExponent;
  v.gibbsEnergy = p.gibbsEnergy / M;
  return v;
}

ReferenceValues UsValues(const ReferenceValues& si) {
  ReferenceValues v = si;
  v.density = si.density / si::kKmolM3PerLbmolFt3;
  v.specificVolume = si.specificVolume / si::kM3KgPerFt3Lbm;
  v.enthalpy = si.enthalpy / si::kKjKgPerBtuLbm;
  v.entropy = si.entropy / si::kKjKgKPerBtuLbmR;
  v.cp = si.cp / si::kKjKgKPerBtuLbmR;
  v.cv = si.cv / si::kKjKgKPerBtuLbmR;
  v.speedOfSound = si.speedOfSound / si::kMetresPerFoot;
  v.jouleThomson = si.jouleThomson / si::kKelvinPerKilopascalPerRankinePerPsi;
  v.gibbsEnergy = si.gibbsEnergy / si::kKjKgPerBtuLbm;
  return v;
}

bool SameBits(const std::array<double, kGasCount>& a, const std::array<double, kGasCount>& b) {
  return std::memcmp(a.data(), b.data(), sizeof(double) * kGasCount) == 0;
}

// Densities within this relative difference are one root.
constexpr double kSameRoot = 1e-9;
// How closely a root's pressure meets the one asked for, relative.
constexpr double kRootTolerance = 1e-9;

}  // namespace

ReferenceResult ResultOf(const StateProperties& properties, RootKind kind, int evaluations) {
  ReferenceResult r;
  r.status = kind == RootKind::kGasLike ? ReferenceStatus::kGasLike : ReferenceStatus::kDense;
  r.model = properties;
  r.si = SiValues(properties);
  r.us = UsValues(r.si);
  r.evaluations = evaluations;
  return r;
}

struct ReferenceCalculator::Cache {
  std::array<double, kGasCount> fractions{};
  bool haveComposition = false;
  ReferenceComposition composition;
  std::unique_ptr<Mixture> mixture;
  IsothermCache isotherms;
};

ReferenceCalculator::ReferenceCalculator() : cache_(std::make_unique<Cache>()) {}
ReferenceCalculator::~ReferenceCalculator() = default;
ReferenceCalculator::ReferenceCalculator(ReferenceCalculator&&) noexcept = default;
ReferenceCalculator& ReferenceCalculator::operator=(ReferenceCalculator&&) noexcept = default;

const Isotherm* ReferenceCalculator::Prepare(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                             double temperatureF, ReferenceResult& refused) {
  Cache& c = *cache_;
  if (!c.haveComposition || !SameBits(c.fractions, fractions)) {
    c.fractions = fractions;
    c.haveComposition = true;
    c.composition = FromEntryFractions(fractions);
    c.isotherms.Clear();
    c.mixture = c.composition.accepted ? std::make_unique<Mixture>(c.composition.x) : nullptr;
  }
  if (!c.composition.accepted) {
    refused.status = ReferenceStatus::kRefusedComposition;
    refused.reason = c.composition.reason;
    return nullptr;
  }
  const double T = si::KelvinFromFahrenheit(temperatureF);
  const double P = pressurePsia * si::kKilopascalPerPsi;
  if (!(T > 0.0) || !(P > 0.0) || !std::isfinite(T) || !std::isfinite(P)) {
    refused.status = ReferenceStatus::kRefusedState;
    return nullptr;
  }
  return &c.isotherms.At(*c.mixture, T);
}

namespace {

bool AllFinite(const ReferenceValues& v) {
  for (double value : {v.z, v.density, v.specificVolume, v.molecularWeight, v.enthalpy, v.entropy, v.cp, v.cv,
                       v.speedOfSound, v.jouleThomson, v.isentropicExponent, v.gibbsEnergy})
    if (!std::isfinite(value)) return false;
  return true;
}

// Far outside the model's range (a few kelvin, where powers of tau
// overflow) a search can end on no root at all, and a root can have a Cv
// or Cp of zero or less (and so no speed of sound): such values are not
// shown. A root must give back the pressure to 1e-9 on a rising isotherm.
ReferenceResult ResultAt(const Isotherm& isotherm, const DensityRoot& root, double pressure) {
  bool isRoot = false;
  if (root.found) {
    ReferenceResult r = ResultOf(PropertiesAt(isotherm, root.density), root.kind, root.evaluations);
    isRoot = std::abs(r.model.pressure - pressure) <= kRootTolerance * pressure && r.model.dPdRho > 0.0;
    if (isRoot && r.model.cv > 0.0 && r.model.cp > 0.0 && AllFinite(r.us) && AllFinite(r.si)) return r;
  }
  ReferenceResult none;
  none.status = isRoot ? ReferenceStatus::kNoProperties : ReferenceStatus::kNoRoot;
  none.evaluations = root.evaluations;
  return none;
}

}  // namespace

ReferenceResult ReferenceCalculator::Calculate(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                               double temperatureF) {
  ReferenceResult refused;
  const Isotherm* isotherm = Prepare(fractions, pressurePsia, temperatureF, refused);
  if (!isotherm) return refused;
  const double P = pressurePsia * si::kKilopascalPerPsi;
  return ResultAt(*isotherm, DensityAt(*isotherm, P), P);
}

ReferenceRoots ReferenceCalculator::CalculateRoots(const std::array<double, kGasCount>& fractions,
                                                   double pressurePsia, double temperatureF) {
  ReferenceRoots roots;
  const Isotherm* isotherm = Prepare(fractions, pressurePsia, temperatureF, roots.primary);
  if (!isotherm) return roots;
  const double P = pressurePsia * si::kKilopascalPerPsi;
  const DensityRoot gas = GasLikeDensity(*isotherm, P);
  const DensityRoot liquid = LiquidLikeDensity(*isotherm, P);
  if (!gas.found) {
    roots.primary = ResultAt(*isotherm, liquid, P);
    roots.primary.evaluations += gas.evaluations;
    return roots;
  }
  roots.primary = ResultAt(*isotherm, gas, P);
  if (liquid.found && std::abs(liquid.density - gas.density) > kSameRoot * gas.density)
    roots.other = ResultAt(*isotherm, liquid, P);
  return roots;
}

}  // namespace corvane::gerg

#!/usr/bin/env python3
"""Writes gerg2008_table.cpp from the model's parameters as JSON.

    python3 gerg/make_gerg2008_table.py PATH/gerg2008.json > gerg/gerg2008_table.cpp

Every number is copied as the JSON text writes it, so the C++ literal is the
same decimal and reads back to the same double; tests/gerg/table_test.cpp
compares the two value for value.
"""
import json
import sys

ENUM_NAMES = {
    "methane": "Methane", "nitrogen": "Nitrogen", "carbon dioxide": "CarbonDioxide",
    "ethane": "Ethane", "propane": "Propane", "isobutane": "IsoButane", "n-butane": "NButane",
    "isopentane": "IsoPentane", "n-pentane": "NPentane", "n-hexane": "NHexane",
    "n-heptane": "NHeptane", "n-octane": "NOctane", "n-nonane": "NNonane", "n-decane": "NDecane",
    "hydrogen": "Hydrogen", "oxygen": "Oxygen", "carbon monoxide": "CarbonMonoxide",
    "water": "Water", "hydrogen sulfide": "HydrogenSulfide", "helium": "Helium", "argon": "Argon",
}


def number(value):
    """The JSON text of a number (floats arrive as their text)."""
    return value if isinstance(value, str) else str(value)


def pure_term(term):
    return "{%s, %s, %s, %s}" % (number(term["n"]), number(term["d"]), number(term["t"]),
                                 number(term.get("c", 0)))


def departure_term(term):
    fields = [term["n"], term["d"], term["t"]] + [term.get(k, 0) for k in ("eta", "epsilon", "beta", "gamma")]
    return "{%s}" % ", ".join(number(v) for v in fields)


def main(path):
    with open(path, encoding="utf-8") as f:
        model = json.load(f, parse_float=lambda text: text)
    components = model["components"]
    names = [c["name"] for c in components]
    out = []
    w = out.append
    w("// Written by make_gerg2008_table.py from gerg2008.json; do not edit.")
    w("// Source of the numbers: %s," % model["model"])
    w("// as the NIST AGA8 reference code (github.com/usnistgov/AGA8, commit 3bdb9ab) holds them,")
    w("// before that code rescales them.")
    w('#include "gerg/gerg2008_table.h"')
    w("")
    w("namespace corvane::gerg {")
    w("")
    w("static_assert(kGasConstant == %s && kIdealGasGasConstant == %s);"
      % (number(model["gas_constant_J_mol_K"]), number(model["ideal_gas_gas_constant_J_mol_K"])))
    w("")
    w("const Gerg2008Parameters kGerg2008 = {")
    w("// name, M g/mol, Tc K, rhoc mol/L, polynomial and exponential term counts,")
    w("// terms {n, d, t, c}, ideal-gas a1..a7, theta4..theta7 K.")
    w("{{")
    for c in components:
        terms = c["residual_terms"]
        assert len(terms) == c["residual_polynomial_terms"] + c["residual_exponential_terms"]
        w('    {"%s", %s, %s, %s, %d, %d,' % (c["name"], number(c["molar_mass_g_mol"]),
                                            number(c["critical_temperature_K"]),
                                            number(c["critical_density_mol_L"]),
                                            c["residual_polynomial_terms"], c["residual_exponential_terms"]))
        w("     {{")
        for term in terms:
            w("         %s," % pure_term(term))
        w("     }},")
        w("     {%s}," % ", ".join(number(a) for a in c["ideal_gas_a"]))
        w("     {%s}}," % ", ".join(number(t) for t in c["ideal_gas_theta_K"]))
    w("}},")
    w("// i, j, beta_v, gamma_v, beta_T, gamma_T, F, departure function (0: none).")
    w("{{")
    for b in model["binaries"]:
        assert names.index(b["i"]) < names.index(b["j"])
        w("    {Component::%s, Component::%s, %s, %s, %s, %s, %s, %d}," % (
            ENUM_NAMES[b["i"]], ENUM_NAMES[b["j"]], number(b["beta_v"]), number(b["gamma_v"]),
            number(b["beta_T"]), number(b["gamma_T"]), number(b["F"]), b.get("departure", 0)))
    w("}},")
    w("// number, polynomial and exponential term counts,")
    w("// terms {n, d, t, eta, epsilon, beta, gamma}.")
    w("{{")
    for f in model["departure_functions"]:
        terms = f["terms"]
        assert len(terms) == f["polynomial_terms"] + f["exponential_terms"]
        w("    {%d, %d, %d, {{" % (f["departure"], f["polynomial_terms"], f["exponential_terms"]))
        for term in terms:
            w("        %s," % departure_term(term))
        w("    }}},")
    w("}},")
    w("};")
    w("")
    w("}  // namespace corvane::gerg")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_gerg2008_table.py PATH/gerg2008.json")
    main(sys.argv[1])

// Control, command, dialog and string ids of the calculator's resources.
// Both faces and the core name controls by these ids only.
#pragma once

namespace corvane::res {

// Dialogs, menu, strings, icon.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDD_CALC_DIALOG = 102;
constexpr int IDR_MAINFRAME = 132;  // the application icon
constexpr int IDR_CALC_MENU = 133;
constexpr int IDD_CONSTANTS = 134;

// Commands of the menu bar and the dialog.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int ID_HELP = 9;
constexpr int IDM_ABOUTBOX = 16;
constexpr int ID_VIEW = 32780;
constexpr int ID_RUN = 32782;
// Ctrl+C: the selection, or else the whole window as a table.
constexpr int ID_COPY = 32800;

// State conditions.
constexpr int IDC_TEMPERATURE = 1011;
constexpr int IDC_PRESSURE = 1022;

// Equation of state radio group.
constexpr int IDC_BWRS = 32775;
constexpr int IDC_PR = 32778;
constexpr int IDC_RKS = 32779;

// Solution method radio group and the method note.
constexpr int IDC_JC = 1032;
constexpr int IDC_FP = 1041;
constexpr int IDC_NEWTON = 1043;
constexpr int IDC_METHOD_NOTE = 1082;

// Optional calculations.
constexpr int IDC_CP = 1065;
constexpr int IDC_VISCOSITY_BOX = 1066;
constexpr int IDC_JT = 1067;
constexpr int IDC_POLYTROPIC_BOX = 1068;

// Result statics, in dialog order.
constexpr int IDC_MOLAR_DENSITY = 1054;
constexpr int IDC_SPECIFIC_VOLUME = 1058;
constexpr int IDC_COMPRESSIBILITY = 1059;
constexpr int IDC_MOLECULAR_WEIGHT = 1063;
constexpr int IDC_VISCOSITY = 1056;
constexpr int IDC_POLYTROPIC_N = 1064;
constexpr int IDC_ENTHALPY = 1060;
constexpr int IDC_ENTHALPY_REF = 1069;
constexpr int IDC_SPECIFIC_HEAT = 1055;
constexpr int IDC_JOULE_THOMSON = 1061;
constexpr int IDC_RESULTS_GROUP = 1050;

// Report file.
constexpr int IDC_FILE_GROUP = 1051;
constexpr int IDC_REPORT_FILE = 1023;
constexpr int IDC_WRITE = 1071;
constexpr int IDC_APPEND = 1075;

// Mixture composition edits.
constexpr int IDC_METHANE = 1024;
constexpr int IDC_ETHANE = 1025;
constexpr int IDC_PROPANE = 1033;
constexpr int IDC_ISOBUTANE = 1034;
constexpr int IDC_NBUTANE = 1035;
constexpr int IDC_ISOPENTANE = 1036;
constexpr int IDC_NPENTANE = 1037;
constexpr int IDC_NHEXANE = 1045;
constexpr int IDC_NHEPTANE = 1046;
constexpr int IDC_CO2 = 1038;
constexpr int IDC_H2S = 1048;
constexpr int IDC_NITROGEN = 1039;
constexpr int IDC_HELIUM = 1049;
constexpr int IDC_HYDROGEN = 1047;
constexpr int IDC_OXYGEN = 1044;

// Composition labels and statics with colours of their own, and the sum.
constexpr int IDC_NITROGEN_LABEL = 1084;
constexpr int IDC_HELIUM_LABEL = 1085;
constexpr int IDC_HYDROGEN_LABEL = 1086;
constexpr int IDC_OXYGEN_LABEL = 1087;
constexpr int IDC_PRODUCT_HEADING = 1088;
constexpr int IDC_MOLE_FR_HEADING = 1089;
constexpr int IDC_SUM = 1083;

// Composition buttons.
constexpr int IDC_RESET = 1062;
constexpr int IDC_SAVE = 1072;
constexpr int IDC_RECALL = 1073;

// Constants view value statics (dialog 134), rows B0 .. gamma.
constexpr int IDC_CONST_B0 = 1041;
constexpr int IDC_CONST_A0 = 1052;
constexpr int IDC_CONST_C0 = 1043;
constexpr int IDC_CONST_D0 = 1044;
constexpr int IDC_CONST_E0 = 1045;
constexpr int IDC_CONST_SMALL_B = 1046;
constexpr int IDC_CONST_SMALL_A = 1047;
constexpr int IDC_CONST_SMALL_D = 1048;
constexpr int IDC_CONST_ALPHA = 1049;
constexpr int IDC_CONST_SMALL_C = 1050;
constexpr int IDC_CONST_GAMMA = 1051;

// Controls that no handler addresses (labels, group boxes).
constexpr int IDC_STATIC = -1;

}  // namespace corvane::res

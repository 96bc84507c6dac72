# The deviation plots of the manual: Z of each equation, and Cp of BWRS,
# against GERG-2008 for the pipeline gas and a rich gas, one line per
# temperature. validation/run.sh runs it:
#   gnuplot -e "data='DIR'; out='res/help'" validation/plots.gp
# DIR holds the files corvane-validate --plot-data writes.

set datafile missing "NaN"
set key below horizontal font ",7"
set grid
set xlabel "Pressure, psia"
set xrange [0:3100]
set xtics 1000
set mxtics 2
set style data linespoints
set pointsize 0.8

gases = "default rich"
gasTitles = "'pipeline gas (the start-up composition)' 'rich gas (80 % methane, 10 % ethane, 5 % propane)'"

do for [g=1:2] {
  gas = word(gases, g)
  set terminal pngcairo size 760,340 font "DejaVu Sans,8"
  set output sprintf("%s/accuracy-z-%s.png", out, gas)
  set multiplot layout 1,3 title sprintf("Deviation of Z from GERG-2008, %s", word(gasTitles, g))
  set ylabel "(Z - Z_{GERG}) / Z_{GERG}, %"
  do for [e in "bwrs pr rks"] {
    set title (e eq "bwrs" ? "BWRS, false position" : (e eq "pr" ? "PR, Newton" : "RKS, Newton"))
    file = sprintf("%s/z-%s-%s.dat", data, e, gas)
    plot for [c=2:*] file using 1:c title columnheader(c)
  }
  unset multiplot
  unset output
}

set terminal pngcairo size 560,320 font "DejaVu Sans,8"
set output sprintf("%s/accuracy-cp-bwrs.png", out)
set multiplot layout 1,2 title "Deviation of BWRS Cp from GERG-2008"
set ylabel "(Cp - Cp_{GERG}) / Cp_{GERG}, %"
do for [g=1:2] {
  gas = word(gases, g)
  set title (gas eq "default" ? "pipeline gas" : "rich gas")
  plot for [c=2:*] sprintf("%s/cp-bwrs-%s.dat", data, gas) using 1:c title columnheader(c)
}
unset multiplot
unset output

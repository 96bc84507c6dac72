// The "Compare Equations of State" dialog (dialog 135) of the Windows face:
// the table and lines as the core formed them, and the charts painted from
// the core's layout with GDI. The close box, Escape and Enter close it.
#pragma once

#include "model/compare_view.h"
#include "win32/windows_api.h"

namespace corvane::win32 {

void RunCompareDialog(HINSTANCE instance, HWND owner, const CompareView& view);

// Paints `chart` into `area` of `dc` with the dialog font selected: white
// ground, then the core's lines, dots and texts.
void PaintChart(HDC dc, const RECT& area, const ChartContent& chart);

}  // namespace corvane::win32

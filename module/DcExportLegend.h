#pragma once

class HostCanvas;
class HostGsDevice;

namespace dwgcompare {

// Paints, over a picture exported of the current result drawing, its legend
// in the lower left corner: each group's colour with its count of objects,
// and the names of the two files. Other drawings get none.
void paintExportLegend(HostGsDevice& device, HostCanvas& canvas, int width, int height);

}  // namespace dwgcompare

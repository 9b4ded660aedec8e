#pragma once

#include "HostCmdProcess.h"

namespace dwgcompare {

// DWGCOMPARE: shows the comparison palette, or hides it when shown; the
// profile's startup entry follows, so the palette comes back at start.
class DcDrawingCompareCmd : public HostCmdProcessImpl {
 public:
  int run() override;
  // Enabled, and checked while the palette is shown.
  int state() override;
};

// COMPAREINFO: tells which two files the current result drawing compares.
class DcCompareInfoCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// -COMPAREINFO [Print|Insert]: the same information printed, or inserted
// into the result drawing as a multi-line text at a point asked for.
class DcCommandLineCompareInfoCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// -DWGCOMPARE: compares two drawings named on the command line, checked
// as the palette's "Compare" button checks them.
class DcCommandLineCompareCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// -COMPAREREPORT: tells what the current result drawing's comparison found,
// on the command line and, when a file is named, as a JSON report.
class DcCompareReportCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// -COMPARECHANGES: lists the current result drawing's changes, one a line.
class DcCompareChangesCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// COMPARENEXT and COMPAREPREV: zoom the current result drawing's view to the
// next or previous change, going round from the last to the first.
class DcCompareStepCmd : public HostCmdProcessImpl {
 public:
  explicit DcCompareStepCmd(int step) : m_step(step) {}
  int run() override;

 private:
  int m_step;
};
class DcCompareNextCmd : public DcCompareStepCmd {
 public:
  DcCompareNextCmd() : DcCompareStepCmd(1) {}
};
class DcComparePrevCmd : public DcCompareStepCmd {
 public:
  DcComparePrevCmd() : DcCompareStepCmd(-1) {}
};

// -COMPAREZOOMEXPORT: writes one PNG picture per change into a folder,
// the view zoomed to the change ("change_001.png" for the first); the view
// is left as it was.
class DcCompareZoomExportCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// DWGCOMPAREHASH: lists each model-space entity's handle, class and
// fingerprint; given a handle, the values behind that entity's fingerprint.
class DcFingerprintCmd : public HostCmdProcessImpl {
 public:
  int run() override;
};

// Adds the module's commands to the host, when it offers a command factory.
void registerModuleCommands();

}  // namespace dwgcompare

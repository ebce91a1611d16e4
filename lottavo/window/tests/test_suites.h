#pragma once

// The Qt Test classes of the windows, run one after the other by one program.
int runAccessibilityTests(int argc, char** argv);
int runAppShellTests(int argc, char** argv);
int runCumulatorTests(int argc, char** argv);
int runDialogLayoutTests(int argc, char** argv);
int runGeneratorDialogTests(int argc, char** argv);
int runProgramExitTests(int argc, char** argv);
int runQtServicesTests(int argc, char** argv);
int runResourcesTests(int argc, char** argv);

#pragma once

// Small services around the process that differ between platforms.

// The current folder becomes the folder of the program file, when its path has one.
void SetCurrentFolderToProgramFolder();

// Rounding to nearest with every floating-point exception masked.
void SetDefaultFloatingPointMode();

// Settings the embedded web engine needs before the application object exists: no
// sandbox when running as the superuser, and software rendering allowed.
void PrepareWebEngine();

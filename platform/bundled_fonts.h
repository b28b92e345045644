#pragma once

#include <QString>

// The folder of the typefaces that come with the program, beside its executable:
// <prefix>/share/glyphora/fonts for <prefix>/bin/glyphora (the build tree has the same shape).
QString BundledFontFolder();

// Registers every font file in that folder for this process; returns how many loaded.
int RegisterBundledFonts();

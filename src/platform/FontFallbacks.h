#pragma once

// Makes the forms' font faces, which come from another system, fall back to installed ones:
// "宋体" to a CJK face, so Chinese texts render.
void InstallFontFallbacks();

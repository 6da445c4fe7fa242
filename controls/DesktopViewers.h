#pragma once
// Registers our help viewer (.chm) and HTML window ("mshta.exe") with the shell stand-ins.
// The program calls it once at start, before any window can open a document.
void InstallDesktopViewers();

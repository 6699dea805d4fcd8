#pragma once

#include <QString>

// Starting Qt WebEngine only where it can start: its helper program aborts the whole process when
// it is missing, and refuses to run as root with its sandbox on.
namespace preview {

// Before the QApplication is made: the web view shares its OpenGL context with the window.
void PrepareWebEngine();

// Why the engine must not be started here, in one line; empty when it can start.
QString WhyWebEngineCannotStart();

// Keeps the engine off in this process (tests that do not look at the preview).
void KeepWebEngineOff(bool off);

} // namespace preview

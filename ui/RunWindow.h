#pragma once

// Creates the application and the main form, shows it and runs the event loop
// until the main window closes. Returns the application's exit code.
int RunWindow(int argc, char** argv);

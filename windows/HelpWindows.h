#pragma once

#include "platform/LinkLauncher.h"
#include "ui/Form1.h"

// Lets the main window's About and Help items open the About and Rules
// windows: modeless, without an owner, and only one of each at a time.
void connectHelpWindows(Form1& main, LinkLauncher& launcher);

#pragma once

// Where the session offers no D-Bus session bus, the program uses none: Qt's
// D-Bus library (and GTK's, through the platform theme) would otherwise start
// a bus of its own with dbus-launch, which outlives the program and writes
// ~/.dbus. Call before the application object is made.
void useNoSessionBusUnlessOffered();

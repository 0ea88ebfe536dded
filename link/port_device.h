#pragma once
// Where the port names of the editor's port list live on this machine.

#include <string>

// "COM1" is /dev/ttyS0 and "COM2" is /dev/ttyS1, unless ZENTOR_COM1 or ZENTOR_COM2 names another
// device (a USB cable such as /dev/ttyUSB0, or a pseudo-terminal). The environment is read at
// every call, so a changed variable counts from the next open. Any other name gives an empty
// path, which no open accepts.
std::string PortDevicePath(const std::string &portName);

// The program's version: the version resource, the setup program's name and
// its entry in the list of installed programs all take it from here.
#ifndef ALMANARK_VERSION_H
#define ALMANARK_VERSION_H

#define ALMANARK_VERSION_MAJOR 1
#define ALMANARK_VERSION_MINOR 1
#define ALMANARK_VERSION_TEXT "1.1"
#define ALMANARK_COPYRIGHT "Copyright (C) 2026 the Almanark authors"

#endif

#include "link/SerialLink.h"

// The interface is all in the header; this file gives moc a home for its meta-object.

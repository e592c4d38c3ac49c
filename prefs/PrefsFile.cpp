// The preferences file carries the history list from one run to the next.
#include "app/Window1.h"

// Built with the history list's file format; until then start-up and shut-down skip it.
void Window1::OpenPrefFile() {}
void Window1::SavePrefFile() {}

// Saving the history list to a text file and loading it back.
#include "app/Window1.h"

void Window1::Load_History_Action() {}
void Window1::Save_History_Action() {}

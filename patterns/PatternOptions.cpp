#include "app/Window1.h"

void Window1::WSize_Action(int) {}
void Window1::CBSize_Action(int) {}
void Window1::GS_PLUGE_Action(int) {}

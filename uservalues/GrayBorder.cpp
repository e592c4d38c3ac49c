// The gray border of the gray-scale windows.
#include "app/Window1.h"

void Window1::WindowsBorder_PB_Action() {}
void Window1::DefaultBorders_PB_Action() {}

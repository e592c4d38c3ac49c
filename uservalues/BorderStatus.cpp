#include "app/Window1.h"

void Window1::UpdateWindowsBorderStatus() {}

#include "app/Window1.h"

void Window1::ClearPatternCheckmarks() {}
void Window1::Color75_Action(int) {}
void Window1::Color100_Action(int) {}
void Window1::Special_Action(int) {}
void Window1::PLUGE_Action(int) {}
void Window1::Grayscale10_Action(int) {}
void Window1::Grayscale100_Action(int) {}
void Window1::Grayscale109_Action(int) {}
void Window1::Grayfield_Action(int) {}

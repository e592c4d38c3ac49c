// The six user-pattern buttons.
#include "app/Window1.h"

void Window1::ColorWindow_BB_Action() {}
void Window1::ColorField_BB_Action() {}
void Window1::Window_BB_Action() {}
void Window1::Field_BB_Action() {}
void Window1::Checkerbd_BB_Action() {}
void Window1::InvCheckerbd_BB_Action() {}

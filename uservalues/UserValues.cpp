// Level entry: value scale, HDMI range and the clamping every user pattern goes through.
#include "app/Window1.h"

int Window1::LimitValue(int value) const { return value; }
Window1::UserValue Window1::ReadUserValue(const QLineEdit *) const { return {}; }
void Window1::Range_RB_Action() {}
void Window1::DefaultColor_PB_Action() {}

#include "app/Window1.h"

void Window1::Output_Action(int) {}
void Window1::DeepColor_Action(int) {}
void Window1::Channels_Action(int) {}
void Window1::Gray2Color_Action(int) {}
void Window1::UpdateChannelStatus() {}

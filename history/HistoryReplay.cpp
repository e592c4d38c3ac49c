// Replay of history rows.
#include "app/Window1.h"

void Window1::SendListCommand() {}
void Window1::Send_PB_Action() {}
void Window1::SendNext_PB_Action() {}
void Window1::SendPrev_PB_Action() {}

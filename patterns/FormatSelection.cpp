#include "app/Window1.h"

void Window1::ClearFormatCheckmarks() {}
void Window1::F5994_Action(int) {}
void Window1::F60_Action(int) {}
void Window1::F50_Action(int) {}
void Window1::F3DFP_Action(int) {}
void Window1::F3DSSH_Action(int) {}
void Window1::F3DTB_Action(int) {}

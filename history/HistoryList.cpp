#include "app/Window1.h"

void Window1::User_LB_Open() {}
void Window1::AddPattern2List(const QString &) {}
void Window1::RecordUser_PB_Action() {}
void Window1::RecordAll_PB_Action() {}
void Window1::Delete_PB_Action() {}
void Window1::DeleteAll_PB_Action() {}

#include "app/AboutWindow.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent) {}

void AboutWindow::PushButton1_Action() { close(); }

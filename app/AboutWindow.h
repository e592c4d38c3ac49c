#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    QLabel *StaticText1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    void PushButton1_Action();
};

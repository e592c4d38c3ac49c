#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: program name, version and the two connection notes.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    QLabel *StaticText1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    void PushButton1_Action();

    static QString noticeText();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

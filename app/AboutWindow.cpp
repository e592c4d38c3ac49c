#include "app/AboutWindow.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int designWidth = 562, designHeight = 332;
constexpr int buttonLeft = 474, buttonTop = 292, buttonWidth = 68, buttonHeight = 20;
} // namespace

QString AboutWindow::noticeText() {
    return QStringList{
        QStringLiteral("HXT-2416 Desktop"),
        QString(),
        QStringLiteral("Version 2.70"),
        QString(),
        QStringLiteral("Important Notes:"),
        QString(),
        QStringLiteral(
            "1. The HXT-2416 must be connected to a PC or Mac with a USB cable and powered "
            "on BEFORE opening this application. If not, you may close this program and "
            "reopen it without powering down the HXT-2416."),
        QString(),
        QStringLiteral("2. If the HXT-2416 is subsequently powered off and back on, you may "
                       "re-establish the USB connection without closing this application by "
                       "clicking the \"Reconnect After HXT-2416 Power Cycled\" button. Failure to "
                       "do so may cause this program to quit responding."),
    }
        .join(QLatin1Char('\n'));
}

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About HXT-2416 Desktop"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    StaticText1 = new QLabel(noticeText(), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(31, 11, 501, 263);
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StaticText1->setTextFormat(Qt::PlainText);

    PushButton1 = new QPushButton(QStringLiteral("OK"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(buttonLeft, buttonTop, buttonWidth, buttonHeight);
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Action(); });

    resize(designWidth, designHeight);
}

void AboutWindow::PushButton1_Action() {
    close();
}

void AboutWindow::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    // The button keeps its distance to the right and bottom edges.
    PushButton1->move(width() - (designWidth - buttonLeft), height() - (designHeight - buttonTop));
}

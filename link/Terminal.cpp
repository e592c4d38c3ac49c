// The command terminal: Return sends the field exactly as typed and shows the reply.
#include "app/Window1.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

bool Window1::TxText_KeyDown(QKeyEvent *key) {
    if (clear_TxText) {
        TxText->clear();
        clear_TxText = false;
    }
    // Only Return (character code 13) sends; the keypad's Enter is another key.
    if (key->key() == Qt::Key_Return) {
        clear_TxText = true;
        RxText->clear();
        repaintNow(RxText);
        SendCmdWOAuth(TxText->text());
        RxText->setPlainText(Reply);
        repaintNow(RxText);
    }
    return false;
}

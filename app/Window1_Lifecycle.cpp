// Start-up and shut-down of the main window.
#include "app/Window1.h"

#include <QLineEdit>

void Window1::Event_Open() {
    ListSerialPorts(); // counts the ports and fills PortPopup
    TxText->setFocus();
    Authorized = true;
    SearchForGenerator(); // selects the generator's row, or tells the user none answered
    if (closed_)
        return;
    OpenPrefFile();
    BuildPatternTables();
}

void Window1::Event_Close() {
    Serial1->close();
    Serial1->discardBuffers();
    SavePrefFile();
}

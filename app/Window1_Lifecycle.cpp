// Start-up and shut-down of the main window.
#include "app/Window1.h"

#include <QLineEdit>

void Window1::Event_Open() {
    ListSerialPorts(); // counts the ports and fills PortPopup
    if (closed_)
        return; // closed while the ports were listed: no port may be opened any more
    TxText->setFocus();
    Authorized = true;
    SearchForGenerator(); // selects the generator's row, or tells the user none answered
    if (closed_) {
        // The search may have opened a port after the close had shut it.
        Serial1->close();
        Serial1->discardBuffers();
        return;
    }
    OpenPrefFile();
    historyLoaded_ = true;
    BuildPatternTables();
}

void Window1::Event_Close() {
    Serial1->close();
    Serial1->discardBuffers();
    // Closed before the saved history was read: writing the empty list would destroy it.
    if (historyLoaded_)
        SavePrefFile();
}

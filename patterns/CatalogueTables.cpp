#include "app/Window1.h"
#include "patterns/Catalogue.h"

void Window1::BuildPatternTables() {
    // Fresh copies: whatever the fields held before is replaced. The group numbers are qualified
    // because Window1 has menu accessors of the same names.
    auto words = [](int g) { return QStringList(Catalogue::group(g).commandWords); };
    auto names = [](int g) { return QStringList(Catalogue::group(g).historyNames); };
    Color75PatsUSB = words(Catalogue::Color75);
    Color75LBPatNames = names(Catalogue::Color75);
    Color100PatsUSB = words(Catalogue::Color100);
    Color100LBPatNames = names(Catalogue::Color100);
    SpecialPatsUSB = words(Catalogue::Special);
    SpecialLBPatNames = names(Catalogue::Special);
    PlugePatsUSB = words(Catalogue::PLUGE);
    PlugeLBPatNames = names(Catalogue::PLUGE);
    GrayscalePatsUSB = words(Catalogue::Grayscale100);
    Grayscale10LBPatNames = names(Catalogue::Grayscale10);
    Grayscale100LBPatNames = names(Catalogue::Grayscale100);
    Grayscale109LBPatNames = names(Catalogue::Grayscale109);
    GrayfieldPatsUSB = words(Catalogue::Grayfield);
    GrayfieldLBPatNames = names(Catalogue::Grayfield);
}

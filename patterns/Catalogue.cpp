#include "patterns/Catalogue.h"

#include "history/HistoryRow.h"

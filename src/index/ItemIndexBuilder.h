#pragma once

#include "datafiles/MessageSink.h"

/// Builds the keyword index tree from the item master file. Returns the number of index lines
/// written, or -1 after its messages when the master file is missing or empty.
int MakeKoumokuIndex(const MessageSink &show);

#pragma once

#include "datafiles/MessageSink.h"

/// Builds the example files from the example master file. Returns the number of examples placed,
/// or -1 after its messages when the master file is missing or empty.
int MakeReidaiData(const MessageSink &show);

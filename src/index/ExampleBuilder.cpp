#include "ExampleBuilder.h"

int MakeReidaiData(const MessageSink &)
{
    return -1; // the builder is not written yet
}

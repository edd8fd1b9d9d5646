#pragma once

// Marks moments of a gesture on the "gestrix.timing" log (off by default), with milliseconds
// since the program started, so latencies can be measured from outside.
void markTiming(const char* moment);

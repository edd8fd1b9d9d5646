#pragma once

// Marks moments on the "gestrix.timing" log (off by default) with the monotonic clock in
// milliseconds, the clock other programs read too, so latencies can be measured from outside.
void markTiming(const char* moment);

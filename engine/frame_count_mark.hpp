#pragma once
// For the benchmarks: when SKYREAVER_FRAME_COUNT names a file, the number of frames presented
// so far is written there about four times a second (rewritten whole), so a script can tell
// the frame rate over a stretch of real-time play from two readings.
void MarkPresentedFrame();

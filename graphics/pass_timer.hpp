#pragma once
// Where the milliseconds of a frame of play go, for the benchmarks. With SKYREAVER_PASS_TIMES
// naming a file, each mark waits for the driver (glFinish: a software renderer draws in its
// own threads) and gives the time since the previous mark to the pass it names; the mean per
// frame of each pass is written to the file when the program ends. Without it, a mark is
// one test of a flag.
void BeginPassFrame();
void MarkPass(const char* pass);
// The last mark of a frame (the swap): marks outside play's frames count nowhere.
void EndPassFrame(const char* pass);

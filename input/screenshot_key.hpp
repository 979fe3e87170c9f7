#pragma once
// The F1 screenshot: the image library's screen capture of the current GL window.
void SaveKeyScreenshot();
